#!/usr/bin/env bash
# Installs what is missing, builds and starts Tarnwell. Without a display it starts the program
# on a virtual one and says how to look at it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
scratch=""
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  scratch="$(mktemp -d)"
  XDG_RUNTIME_DIR="$scratch"
  chmod 700 "$XDG_RUNTIME_DIR"
  export XDG_RUNTIME_DIR
fi

# A display counts only when the program can reach it: a stale DISPLAY would end in a wall of
# toolkit errors.
has_display() {
  [ -n "${WAYLAND_DISPLAY:-}" ] && return 0
  [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1
}
if has_display; then
  exec build/bin/tarnwell
fi

screen=99
while [ -e "/tmp/.X${screen}-lock" ]; do screen=$((screen + 1)); done
# The virtual display admits only holders of this key, so the screenshot command names it.
auth="$XDG_RUNTIME_DIR/tarnwell-xauthority"
log="$XDG_RUNTIME_DIR/tarnwell.log"
echo "No display found: Tarnwell runs on the virtual display :$screen (Xvfb); press Ctrl+C to stop it."
echo "Take a screenshot from another terminal with: XAUTHORITY=$auth DISPLAY=:$screen import -window root tarnwell.png"
status=0
xvfb-run -n "$screen" -f "$auth" -e "$log" -s "-screen 0 1280x800x24" build/bin/tarnwell 2>>"$log" ||
  status=$?
case "$status" in
  0 | 130 | 143) [ -z "$scratch" ] || rm -rf "$scratch" ;;  # closed, or stopped with Ctrl+C or kill
  *) echo "Tarnwell ended with status $status; what it said is in $log" >&2 ;;
esac
exit "$status"
