ffmpeg -i /tmp/rw/in/small.mkv -c:v libsvtav1 -c:a libopus -y /tmp/rw/out/.reelwright-abcd1234.mkv
