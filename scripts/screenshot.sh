#!/usr/bin/env bash
# Takes the README's screenshot from a real run: three generated clips converted in the window on
# a virtual display, captured while the second one converts. Needs a build, and openbox, xdotool
# and imagemagick besides the set-up. LANG chooses the window's language, as for any start.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
work=$(mktemp -d)
# The programs end before their folder goes: the window may still be writing its logs there.
trap 'kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/media"
clip() {
  ffmpeg -v error -f lavfi -i "$1=duration=20:size=1280x720:rate=30" \
    -f lavfi -i "sine=frequency=$2:duration=20" -c:v mpeg4 -q:v 3 -c:a aac -shortest "$work/media/$3"
}
clip testsrc2 330 "Holiday by the sea.mkv"
clip testsrc 440 "Birthday party.mp4"
clip smptebars 550 "Garden, spring 2026.avi"

export DISPLAY=:47
Xvfb "$DISPLAY" -screen 0 1280x800x24 >/dev/null 2>&1 &
sleep 1
openbox >/dev/null 2>&1 &
sleep 1
HOME="$work/home" ./build/src/app/reelwright "$work"/media/* >/dev/null 2>&1 &
for _ in $(seq 50); do
  window=$(xdotool search --onlyvisible --name "Reelwright Video Converter" | head -1) && break
  sleep 0.2
done
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
# Convert All, at its place in the design (5520, 7920 twips; 15 twips a pixel).
xdotool mousemove $((X + 5520 / 15 + 60)) $((Y + 7920 / 15 + 15)) click 1
for _ in $(seq 480); do
  title=$(xdotool getwindowname "$window")
  percent=${title%%%*}
  percent=${percent//[^0-9]/}  # "45 %" and other languages' ways of writing it
  if [[ $percent =~ ^[0-9]+$ ]] && ((percent >= 50)); then break; fi
  sleep 0.25
done
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
echo "$title: $out"
