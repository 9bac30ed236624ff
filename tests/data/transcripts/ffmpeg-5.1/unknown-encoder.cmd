ffmpeg -i /tmp/rw/in/clip.mkv -vcodec libnothing -acodec aac -y /tmp/rw/out/.reelwright-abcd1234.mp4
