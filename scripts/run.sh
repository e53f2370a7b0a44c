#!/usr/bin/env bash
# Installs what is missing, builds and starts Tarnwell. Without a display it starts the program
# on a virtual one and says how to look at it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/tarnwell
fi

screen=99
while [ -e "/tmp/.X${screen}-lock" ]; do screen=$((screen + 1)); done
echo "No display found: Tarnwell runs on the virtual display :$screen (Xvfb); press Ctrl+C to stop it."
echo "Take a screenshot from another terminal with: DISPLAY=:$screen import -window root tarnwell.png"
exec xvfb-run -n "$screen" -s "-screen 0 1280x800x24 -nolisten tcp" build/bin/tarnwell 2>/dev/null
