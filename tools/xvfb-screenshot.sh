#!/usr/bin/env bash
# Starts the real game on a virtual X screen and takes two screenshots: right
# after start-up, and after the board was flipped through the menu 局面 > 反転.
#   bash tools/xvfb-screenshot.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR defaults to build/, OUT_DIR to the current directory. Needs Xvfb,
# xdotool and ImageMagick's import (apt-get install xvfb xauth xdotool imagemagick).
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
out="$(mkdir -p "${2:-.}" && cd "${2:-.}" && pwd)"
game="$build/bin/zarvo-chess"
[ -x "$game" ] || { echo "no game at $game; build the zarvo-chess target first" >&2; exit 1; }
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 1; }
done

# A free display number.
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
export DISPLAY=":$display"

Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
game_pid=
cleanup() {
  # The game goes first, so that it does not see its display vanish.
  if [ -n "$game_pid" ]; then
    kill "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
  fi
  kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done

# No audio device on a virtual screen: SDL's dummy driver keeps the warning box away.
# The game finds its sounds and settings beside itself, in build/bin.
cd "$build/bin"
SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb "$game" &
game_pid=$!

window="$(xdotool search --sync --onlyvisible --name 'Zarvo' | head -n 1)"
sleep 1
import -window root "$out/zarvo-start.png"

# 局面 is the second title of the menu bar; its fourth item is 反転.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --sync $((X + 60)) $((Y + 10)) click 1
sleep 0.5
xdotool key Down Down Down Down Return
sleep 1
# Move the pointer off the menu bar so that no highlight is left in the picture.
xdotool mousemove --sync 1000 760
sleep 0.3
import -window root "$out/zarvo-flipped.png"

echo "$out/zarvo-start.png"
echo "$out/zarvo-flipped.png"
