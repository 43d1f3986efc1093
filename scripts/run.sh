#!/usr/bin/env bash
# Installs what is missing, builds an optimised program and starts it.
# Without a display (no DISPLAY or WAYLAND_DISPLAY) the program is started inside a virtual X server (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh release
program=build/release/bin/quintaro
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: starting the program inside Xvfb (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$program" "$@"
fi
exec "$program" "$@"
