ffmpeg -i /tmp/rw/in/noaudio.mkv -vn -acodec libmp3lame -y /tmp/rw/out/.reelwright-abcd1234.mp3
