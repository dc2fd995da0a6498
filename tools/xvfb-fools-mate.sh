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
cp "$root"/build/bin/zarvo-chess "$root"/build/bin/*.wav "$root"/build/bin/*.htm "$work"/
cp "$root"/build/bin/libzarvosound.so "$work"/ 2>/dev/null || true
printf '背景画=緑\r\n移動指導=OFF\r\nBGM=OFF\r\n' | iconv -f UTF-8 -t CP932 > "$work/Zarvoチェス.ini"

display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:$display
game=
cleanup() {
  if [ -n "$game" ]; then kill "$game" 2>/dev/null || true; wait "$game" 2>/dev/null || true; fi
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
(cd "$work" && SDL_AUDIODRIVER=dummy exec ./zarvo-chess) &
game=$!
sleep 2

shot() { import -window root "$out/$1.png"; }
# Centre of board square (x, y) on the screen: the menu bar is 19 pixels high.
sq() { echo $(((1000 + 660 * $1 + 330) / 15)) $((19 + (70 + 670 * $2 + 335) / 15)); }
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
