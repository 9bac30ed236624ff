ffmpeg -i /tmp/rw/in/clip.mkv -vcodec libx264 -acodec aac -b 800k -y /tmp/rw/out/.reelwright-abcd1234.mp4
