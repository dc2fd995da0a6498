#!/usr/bin/env bash
# Plays fool's mate between two humans in the real window under Xvfb with real
# X mouse clicks (xdotool) and leaves screenshots of the end in the folder given:
# the result "後手の勝ちです", then the question "続けますか？".
#   bash tools/xvfb-fools-mate.sh [OUT_DIR]     (default /tmp/zarvo-fools-mate)
# Needs: xvfb xauth xdotool imagemagick, and a build in build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-/tmp/zarvo-fools-mate}
mkdir -p "$out"
work=$(mktemp -d)
source "$root/tools/xvfb-lib.sh"
copy_game "$root" "$work"
write_settings "$work" 背景画=緑 移動指導=OFF BGM=OFF

start_xvfb
(cd "$work" && SDL_AUDIODRIVER=dummy exec ./zarvo-chess) &
game=$!
sleep 2

click() { xdotool mousemove $(sq "$1" "$2") click 1; sleep 0.6; }

# 対局 > 対局(人間) > スタート, then the "先手の番です" box.
xdotool mousemove 22 9 click 1; sleep 0.4
xdotool mousemove 60 30 click 1; sleep 0.4
xdotool mousemove 185 29 click 1; sleep 0.6
xdotool key Return; sleep 0.3
click 6 7; click 6 6   # f3
click 5 2; click 5 4   # e5
click 7 7; click 7 5   # g4
shot 01-before-the-mate
click 4 1; click 8 5   # Qh4 mate
shot 02-result
# Without a window manager the titles are not drawn; name the boxes instead.
echo "result box titled 終了: $(xdotool search --name '^終了$' | wc -l)"
xdotool key Return; sleep 0.5
shot 03-play-again
echo "question box titled 再ゲーム: $(xdotool search --name '^再ゲーム$' | wc -l)"
xdotool key Return; sleep 0.8
shot 04-new-game
echo "screenshots in $out"
