ffmpeg -i /tmp/rw/in/noframes.mp4 -vcodec libx264 -acodec aac -y /tmp/rw/out/.reelwright-abcd1234.mp4
