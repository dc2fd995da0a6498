#!/usr/bin/env bash
# Opens a PGN collection in the real window under Xvfb with real X input
# (xdotool): the list of its games, a filter by a player, a game chosen and
# stepped through, and that game appended to another .pgn; leaves
# screenshots in the folder given.
#   bash tools/xvfb-collection.sh COLLECTION.pgn [OUT_DIR]   (default /tmp/zarvo-collection)
# Needs: xvfb xauth xdotool imagemagick, and a build in build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
collection=$(realpath "$1")
out=${2:-/tmp/zarvo-collection}
mkdir -p "$out"
work=$(mktemp -d)
source "$root/tools/xvfb-lib.sh"
copy_game "$root" "$work"
write_settings "$work" 背景画=緑 移動指導=OFF BGM=OFF
ln -s "$collection" "$work/collection.pgn"
printf '[Event "Mine"]\n[White "A"]\n[Black "B"]\n[Result "*"]\n\n1. d4 *\n' > "$work/mine.pgn"

keep_results() { cp "$work/mine.pgn" "$out/mine.pgn" 2>/dev/null; }
start_xvfb
(cd "$work" && exec ./zarvo-chess) &
game=$!
sleep 2

# Twips of the client area to screen pixels: the menu bar is 19 pixels high.
at() { echo $(($1 / 15)) $((19 + $2 / 15)); }
menu() { xdotool mousemove "$1" 9 click 1; sleep 0.4; xdotool mousemove "$1" "$2" click 1; sleep 0.6; }

# Without an audio device the program warns once.
xdotool key Return; sleep 0.3
shot 01-start
# 棋譜 > 読込, then the collection in the file list.
menu "${KIFU_X:-97}" "${READ_Y:-51}"
shot 02-file-list
# The first file listed (collection.pgn before mine.pgn).
xdotool mousemove $(at 600 2385) click 1
sleep 3
shot 03-collection-listed
# Filter by a player.
xdotool mousemove $(at 2000 510) click 1
xdotool type --delay 60 'Judit'
sleep 1.5
shot 04-filtered
# The first game shown.
xdotool mousemove $(at 1500 1300) click 1
sleep 1
shot 05-loaded-message
xdotool key Return; sleep 0.4; xdotool key Return; sleep 0.4
# 局面 > 進, five times.
for i in 1 2 3 4 5; do menu "${STOP_X:-60}" "${AFTER_Y:-73}"; done
shot 06-stepped
# 棋譜 > 書込, the name of the other collection, RETURN, and "追加".
menu "${KIFU_X:-97}" "${WRITE_Y:-29}"
xdotool mousemove $(at 2000 3255) click 1
xdotool type --delay 60 'mine.pgn'
xdotool mousemove $(at 3780 3180) click 1
sleep 0.8
shot 07-overwrite-append-cancel
xdotool key Return; sleep 0.8
shot 08-saved
xdotool key Return; sleep 0.4
echo "screenshots in $out"
