#!/usr/bin/env bash
# Walks through what a newcomer does in the real window under Xvfb, with real
# X clicks and keys, and saves a screenshot after each step:
#   01 flip, 最初, a new game, then 書込: the save panel opens
#   02-03 two moves, then the background 畳: counter and captions stay
#   04-05 Escape, a new start, 局面 > 前回の対局を再開: the same position
#   06-07 a 後手 game kept the same way, 最初, then 進: labels ｈ…ａ / １…８
#   08 その他 > 解説 on a machine without xdg-open: where the help page is
#   bash tools/xvfb-newcomer-checks.sh [OUT_DIR]      (default /tmp/zarvo-newcomer)
# Needs Xvfb, xdotool and ImageMagick's import, and a build in build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-/tmp/zarvo-newcomer}
mkdir -p "$out"
work=$(mktemp -d)
source "$root/tools/xvfb-lib.sh"
copy_game "$root" "$work"
write_settings "$work" 背景画=緑 移動指導=OFF BGM=OFF

start_xvfb

start() {
  (cd "$work" && SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb exec ./zarvo-chess) &
  game=$!
  xdotool search --sync --onlyvisible --name 'Zarvo' >/dev/null
  sleep 1.5
}
shot() { xdotool mousemove 790 590; sleep 0.3; import -window root "$out/$1.png"; }
click() { xdotool mousemove $(sq "$1" "$2") click 1; sleep 0.8; }
# menu TITLE_X KEY...: opens a menu bar title and walks its items by keyboard.
menu() {
  xdotool mousemove "$1" 9 click 1
  sleep 0.5
  shift
  xdotool key "$@"
  sleep 1
}
ok() { xdotool key Return; sleep 0.6; }
GAME=22 POSITION=60 RECORD=97 OPTION=145 OTHER=190

start
menu $POSITION Down Down Down Down Return # 反転
menu $POSITION Down Return                # 最初
menu $GAME Down Right Return              # 対局(人間) > スタート
ok                                        # 先手の番です
menu $RECORD Down Return                  # 書込
shot 01-flip-first-new-game-write

click 5 7; click 5 5
click 4 2; click 4 4
shot 02-two-moves
menu $OPTION Down Down Return # 畳
shot 03-tatami-mid-game

xdotool key Escape
wait "$game" 2>/dev/null || true
game=
start
shot 04-started-again
menu $POSITION Down Down Down Down Down Return # 前回の対局を再開
shot 05-last-game-resumed

menu $POSITION Down Return             # 最初
menu $GAME Down Down Right Down Return # 対局(COM) > 後手: the computer opens
sleep 2
click 4 7; click 4 5
sleep 2
xdotool key Escape
wait "$game" 2>/dev/null || true
game=
start
menu $POSITION Down Down Down Down Down Return # 前回の対局を再開
shot 06-gote-game-resumed
menu $POSITION Down Return           # 最初
menu $POSITION Down Down Down Return # 進
shot 07-gote-game-first-step
# Only where xdg-open is missing (Qt then finds no launcher) is this the message box.
menu $OTHER Down Return # その他 > 解説
shot 08-help-without-browser
ok
ls "$work" >"$out/files.txt"
echo "screenshots in $out"
