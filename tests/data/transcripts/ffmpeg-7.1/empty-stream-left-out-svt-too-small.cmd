ffmpeg -i /tmp/rw/in/receiver.ts -map 0:0 -c:v libsvtav1 -c:a libopus -y /tmp/rw/out/.reelwright-abcd1234.mkv
