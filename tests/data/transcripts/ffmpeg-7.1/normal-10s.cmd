ffmpeg -i /tmp/rw/in/clip10.mkv -vcodec libx264 -acodec aac -y /tmp/rw/out/.reelwright-abcd1234.mp4
