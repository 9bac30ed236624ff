ffmpeg -i /tmp/rw/in/clip.mkv -vcodec libx264 -acodec aac -nosuchoption 1 -y /tmp/rw/out/.reelwright-abcd1234.mp4
