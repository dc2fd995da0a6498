#!/usr/bin/env bash
# Plays ten moves by real clicks against LEVEL5 (the engine) in the real
# window under Xvfb, times each reply, takes a screenshot while the engine
# thinks, quits in the middle of a think and checks that no engine process is
# left; then starts with "エンジン=/nonexistent" and shows the greyed levels.
#   bash tools/xvfb-engine-session.sh [OUT_DIR]     (default /tmp/zarvo-engine)
# Needs: xvfb xauth xdotool imagemagick, stockfish, and a build in build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-/tmp/zarvo-engine}
mkdir -p "$out"
work=$(mktemp -d)
source "$root/tools/xvfb-lib.sh"
copy_game "$root" "$work"

start_xvfb

start_game() {
  write_settings "$work" 背景画=緑 移動指導=OFF BGM=OFF "$@"
  (cd "$work" && exec ./zarvo-chess 2>/dev/null) &
  game=$!
  sleep 2
  xdotool key Return; sleep 0.3  # the warning about the missing audio device
}
pixel() { import -window root -crop "1x1+$1+$2" txt:- | tail -n 1 | awk '{print $3}'; }
# The caption cells left of the board, where "思考中" and then the move are shown.
caption() { import -window root -crop 85x88+23+113 rgb:- | md5sum | cut -c1-32; }
menu_level() {  # 対局 > COM対局ﾚﾍﾞﾙ > LEVELn
  xdotool mousemove 22 9 click 1; sleep 0.4
  xdotool mousemove 60 73; sleep 0.5
  xdotool mousemove 70 73 click 1; sleep 0.4
  local y=$(( $1 <= 3 ? 51 + 22 * $1 : 53 + 22 * $1 ))
  xdotool mousemove 185 "$y" click 1; sleep 0.4
}
menu_sente() {  # 対局 > 対局(COM) > 先手, then "あなたの番です"
  xdotool mousemove 22 9 click 1; sleep 0.4
  xdotool mousemove 60 51; sleep 0.5
  xdotool mousemove 70 51 click 1; sleep 0.4
  xdotool mousemove 185 51 click 1; sleep 0.6
  xdotool key Return; sleep 0.3
}

# The hint's two yellow frames, as "x1 y1 x2 y2", the square with a white
# piece first: a square is framed when the middles of its four edges are yellow.
hint_squares() {
  import -window root -depth 8 ppm:- | python3 -c '
import sys
magic, size, maxval, pixels = sys.stdin.buffer.read().split(b"\n", 3)
w = int(size.split()[0])
def rgb(x, y):
    i = 3 * (y * w + x)
    return tuple(pixels[i:i + 3])
found = []
for x in range(1, 9):
    for y in range(1, 9):
        left, top = (1000 + 660 * x) // 15, 19 + (70 + 670 * y) // 15
        right, bottom = (1000 + 660 * (x + 1)) // 15, 19 + (70 + 670 * (y + 1)) // 15
        yellow = (255, 255, 0)
        edges = [(left + 22, top), (left, top + 22), (left + 22, bottom), (right, top + 22)]
        if all(yellow in (rgb(ex + d, ey + e) for d in (-1, 0, 1) for e in (-1, 0, 1)) for ex, ey in edges):
            white = sum(min(rgb(left + dx, top + dy)) > 225 for dx in range(12, 32) for dy in range(12, 32))
            found.append((-white, x, y))
print(*[v for f in sorted(found) for v in f[1:]])'
}
# 対局 > ヒント, then the framed squares read into $hint (up to 6 s).
ask_hint() {
  xdotool mousemove 22 9 click 1; sleep 0.4
  xdotool mousemove 60 95 click 1
  for _ in $(seq 1 20); do
    sleep 0.3
    read -r -a hint <<<"$(hint_squares)"
    [ ${#hint[@]} -eq 4 ] && break
  done
}
# Plays a move between the two squares, trying both ways round; true when a piece moved.
play_between() {
  for order in "$1 $2 $3 $4" "$3 $4 $1 $2"; do
    read -r fx fy tx ty <<<"$order"
    read -r px py <<<"$(sq "$fx" "$fy")"
    before=$(pixel "$px" "$py")
    xdotool mousemove $(sq "$fx" "$fy") click 1; sleep 0.3
    t0=$(date +%s.%N)
    xdotool mousemove $(sq "$tx" "$ty") click 1; sleep 0.2
    [ "$moves" -eq 0 ] && shot 02-thinking
    sleep 0.3
    [ "$(pixel "$px" "$py")" != "$before" ] && return 0
    xdotool key Return; sleep 0.2  # a refusal box, if there was one
  done
  return 1
}

start_game
menu_level 5
shot 01-level5-chosen
menu_sente
moves=0
for round in $(seq 1 14); do
  [ "$moves" -ge 10 ] && break
  ask_hint
  [ "$moves" -eq 0 ] && shot 02-hint
  if [ ${#hint[@]} -ne 4 ]; then echo "no hint read (${hint[*]:-})"; continue; fi
  play_between "${hint[@]}" || { echo "the hint ${hint[*]} could not be played"; continue; }
  moves=$((moves + 1))
  # The reply is there when the caption has stopped changing for a while.
  last=$(caption); changed=$(date +%s.%N)
  while :; do
    sleep 0.1
    now=$(date +%s.%N); c=$(caption)
    if [ "$c" != "$last" ]; then last=$c; changed=$now; fi
    (( $(echo "$now - $changed > 2.5" | bc) )) && break
    (( $(echo "$now - $t0 > 12" | bc) )) && break
  done
  printf 'move %2d: %d,%d -> %d,%d; reply shown after %.1f s\n' "$moves" "$fx" "$fy" "$tx" "$ty" \
    "$(echo "$changed - $t0" | bc)"
  xdotool key Return; sleep 0.2  # a check message, if there was one
done
shot 03-after-ten-moves

# Quitting while LEVEL9 thinks about its move.
menu_level 9
engine=$(pgrep -P "$game" || true)
ask_hint
read -r fx fy tx ty <<<"${hint[*]}"
xdotool mousemove $(sq "$fx" "$fy") click 1; sleep 0.3
xdotool mousemove $(sq "$tx" "$ty") click 1
# After the 0.3 s pause the engine thinks for 0.5 s: the menu opens meanwhile.
sleep 0.35
engine=$(pgrep -P "$game" || echo "$engine")
xdotool mousemove 22 9 click 1; sleep 0.1
shot 04-level9-thinking-menu-open
xdotool mousemove 60 119 click 1; sleep 1
if kill -0 "$game" 2>/dev/null; then echo "the game is still running"; else echo "the game has ended"; fi
for p in $engine; do
  if kill -0 "$p" 2>/dev/null; then echo "engine process $p is still there"; else echo "engine process $p has ended"; fi
done
game=

# No engine: the engine levels are greyed, and a game still starts.
start_game エンジン=/nonexistent
xdotool mousemove 22 9 click 1; sleep 0.4
xdotool mousemove 60 73; sleep 0.5
xdotool mousemove 70 73 click 1; sleep 0.5
shot 05-no-engine-levels
xdotool key Escape; sleep 0.2; xdotool key Escape; sleep 0.2
menu_sente
xdotool mousemove $(sq 5 7) click 1; sleep 0.3
xdotool mousemove $(sq 5 5) click 1; sleep 3
shot 06-no-engine-game
kill "$game"; game=
echo "screenshots in $out"
