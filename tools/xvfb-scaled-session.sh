#!/usr/bin/env bash
# Plays a two-player game click by click in the real window at a board scale
# (1, 1.5, 2 ...) under Xvfb, and leaves screenshots: the
# start position, a picked piece with guidance frames, the record panel in load
# and in save mode, and the board after the panel is put away.
#   bash tools/xvfb-scaled-session.sh SCALE [OUT_DIR]   (default /tmp/zarvo-scaled-SCALE)
# Needs: xvfb xauth xdotool imagemagick, and a build in build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
scale=${1:?usage: xvfb-scaled-session.sh SCALE [OUT_DIR]}
out=${2:-/tmp/zarvo-scaled-$scale}
mkdir -p "$out"
work=$(mktemp -d)
source "$root/tools/xvfb-lib.sh"
copy_game "$root" "$work"

# Without a window manager the window has no frame; the menu bar is 19 pixels
# high, so the board view at scale S is S times the start size's 646 x 514.
menu=19
win_w=$(python3 -c "print(round(646 * $scale))")
win_h=$(python3 -c "print(round(514 * $scale) + $menu)")
# Guidance on, so that the destinations of a picked piece are framed; the size remembered as if chosen before.
write_settings "$work" 背景画=畳 移動指導=ON BGM=OFF "ウィンドウサイズ=$((win_w * 15)),$((win_h * 15))"

start_xvfb 1400x1100x24
(cd "$work" && SDL_AUDIODRIVER=dummy exec ./zarvo-chess) &
game=$!
xdotool search --sync --onlyvisible --name 'Zarvo' >/dev/null
sleep 2

shot() { import -window root -crop "$((win_w + 20))x$((win_h + 20))+0+0" "$out/$1.png"; }
# A twip position on the screen at this scale.
at() { python3 -c "print(round($1 * $scale / 15), $menu + round($2 * $scale / 15))"; }
# Centre of board square (x, y).
sq() { at $((1000 + 660 * $1 + 330)) $((70 + 670 * $2 + 335)); }
click() { xdotool mousemove $(sq "$1" "$2") click "${3:-1}"; sleep 0.6; }
menu() { xdotool mousemove "$1" 9 click 1; sleep 0.4; }

shot 01-start
# 対局 > 対局(人間) > スタート, then the "先手の番です" box.
menu 22
xdotool key Down Right Return; sleep 0.6
xdotool key Return; sleep 0.3
click 5 7; shot 02-picked-with-guidance
click 5 5
click 4 2; click 4 4
click 5 5; click 4 4
click 3 2; click 3 3
click 4 4; click 3 3
click 7 1; click 6 3
click 3 3; click 2 2
click 2 1; click 4 2
shot 03-after-ten-moves
# 棋譜 > 読込 and 棋譜 > 書込: the record panel over the board.
menu 97; xdotool key Down Down Return; sleep 0.6
shot 04-record-panel-load
menu 97; xdotool key Down Return; sleep 0.6
shot 05-record-panel-save
# A click on an empty square puts the panel away.
click 6 5
shot 06-panel-put-away
echo "screenshots in $out"
