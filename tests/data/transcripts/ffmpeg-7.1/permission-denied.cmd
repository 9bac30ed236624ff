runuser -u nobody -- ffmpeg -i /tmp/rw/in/clip.mkv -vcodec libx264 -acodec aac -y /tmp/rw/ro/.reelwright-abcd1234.mp4
