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
printf '背景画=緑\r\n移動指導=ON\r\nBGM=OFF\r\n' | iconv -f UTF-8 -t CP932 > "$work/Zarvoチェス.ini"

start_xvfb
cleanup() { kill "$game" "$xvfb" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
sleep 1
(cd "$work" && exec ./zarvo-chess) &
game=$!
sleep 2

shot() { import -window root "$out/$1.png"; }
# Centre of board square (x, y) on the screen: the menu bar is 19 pixels high.
sq() { echo $(((1000 + 660 * $1 + 330) / 15)) $((19 + (70 + 670 * $2 + 335) / 15)); }
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
