#!/usr/bin/env bash
# Sets up, builds and starts the converter.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the converter on a virtual one (Xvfb)."
  exec xvfb-run -a -s "-screen 0 1280x800x24" ./build/src/app/reelwright "$@"
fi
exec ./build/src/app/reelwright "$@"
