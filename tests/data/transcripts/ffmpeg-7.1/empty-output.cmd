ffmpeg -i /tmp/rw/in/empty.mp4 -vn -acodec libmp3lame -ab 192k -y /tmp/rw/out/.reelwright-abcd1234.mp3
