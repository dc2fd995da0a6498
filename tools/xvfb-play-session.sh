#!/usr/bin/env bash
# Plays a short game between two humans in the real window under Xvfb with
# real X mouse clicks (xdotool), and leaves screenshots in the folder given.
#   bash tools/xvfb-play-session.sh [OUT_DIR]     (default /tmp/zarvo-session)
# Needs: xvfb xauth xdotool imagemagick, and a build in build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-/tmp/zarvo-session}
mkdir -p "$out"
work=$(mktemp -d)
source "$root/tools/xvfb-lib.sh"
copy_game "$root" "$work"
# Guidance on, so that the destinations of a picked piece are framed.
write_settings "$work" 背景画=緑 移動指導=ON BGM=OFF

start_xvfb
(cd "$work" && exec ./zarvo-chess) &
game=$!
sleep 2

click() { xdotool mousemove $(sq "$1" "$2") click 1; sleep 0.6; }

# Without an audio device the program warns once.
xdotool key Return; sleep 0.3
shot 01-start
# 対局 > 対局(人間) > スタート, then the "先手の番です" box.
xdotool mousemove 22 9 click 1; sleep 0.4
xdotool mousemove 60 30 click 1; sleep 0.4
xdotool mousemove 185 29 click 1; sleep 0.6
xdotool key Return; sleep 0.3
click 5 7; shot 02-picked-with-guidance
click 5 5
click 4 2; click 4 4
click 7 8; shot 03-knight-picked
click 6 6
click 4 4; click 5 5
shot 04-after-four-moves
echo "screenshots in $out"
