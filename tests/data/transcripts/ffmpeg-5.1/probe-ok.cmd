ffmpeg -i /tmp/rw/in/clip.mkv
