ffmpeg -i /tmp/rw/in/random.avi
