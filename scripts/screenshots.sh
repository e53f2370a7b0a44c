#!/usr/bin/env bash
# Takes the README's pictures of the running program on a virtual display:
# docs/main-window.png and docs/about.png. Builds first when there is no program yet.
# Needs xvfb-run, xdotool and ImageMagick's import.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
program="$root/build/bin/tarnwell"
[ -x "$program" ] || "$root/scripts/build.sh" >/dev/null

if [ -z "${TARNWELL_ON_VIRTUAL_DISPLAY:-}" ]; then
  TARNWELL_ON_VIRTUAL_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1100x800x24" "$0" "$@"
fi

"$program" 2>/dev/null &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window() { xdotool search --sync --name "$1" | head -1; }

main="$(window 'HVN Tarnwell - Main Page')"
sleep 1
import -window "$main" "$root/docs/main-window.png"

# Help > About, clicked as a user would.
xdotool mousemove 58 8 click 1
sleep 0.5
xdotool mousemove 75 30 click 1
about="$(window 'About Tarnwell')"
sleep 1
import -window "$about" "$root/docs/about.png"
echo "Wrote docs/main-window.png and docs/about.png"
