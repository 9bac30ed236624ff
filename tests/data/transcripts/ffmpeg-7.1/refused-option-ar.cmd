ffmpeg -i /tmp/rw/in/clip.mkv -vn -acodec libmp3lame -ar 12345 -y /tmp/rw/out/.reelwright-abcd1234.mp3
