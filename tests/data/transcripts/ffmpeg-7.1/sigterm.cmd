timeout --foreground --preserve-status -s TERM 1.5 ffmpeg -i /tmp/rw/in/clip60.mkv -vcodec libx264 -acodec aac -y /tmp/rw/out/.reelwright-abcd1234.mp4
