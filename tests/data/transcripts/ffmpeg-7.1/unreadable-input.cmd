ffmpeg -i /tmp/rw/in/random.avi -vcodec libx264 -acodec aac -y /tmp/rw/out/.reelwright-abcd1234.mp4
