#!/usr/bin/env bash
# Reads the real window as a screen reader does: on a virtual display with a session bus and the
# accessibility bus, accessibility_walk.py walks it while two generated clips convert (an encoder
# held to real time, so a row is caught converting). Usage: accessibility_test.sh PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/bin" "$work/media"
for name in "Holiday by the sea.avi" "Garden.avi"; do
  ffmpeg -v error -f lavfi -i testsrc=duration=120:size=160x120:rate=10 -c:v mpeg4 \
    "$work/media/$name"
done
# The encoder at real time: the conversions last while the window is read.
cat >"$work/bin/ffmpeg" <<'SCRIPT'
#!/bin/sh
exec /usr/bin/ffmpeg -re "$@"
SCRIPT
chmod +x "$work/bin/ffmpeg"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_STATE_HOME=$work/home/.state
export XDG_RUNTIME_DIR=$work/run PATH=$work/bin:$PATH LANGUAGE=en LANG=C.UTF-8
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS
cd "$work/media"
exec timeout 240 xvfb-run -a -s "-screen 0 1280x900x24" \
  dbus-launch --exit-with-session /usr/bin/python3 "$here/accessibility_walk.py" "$program" \
  "$work/media/Holiday by the sea.avi" "$work/media/Garden.avi"
