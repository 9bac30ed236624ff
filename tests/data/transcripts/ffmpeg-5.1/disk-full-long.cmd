ffmpeg -i /tmp/rw/in/clip60.mkv -vcodec libx264 -acodec aac -y /tmp/rw/full/.reelwright-abcd1234.mp4
