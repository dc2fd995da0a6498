#!/usr/bin/env bash
# The strength ladder: zarvo-match runs between neighbouring levels, one pair
# at a time at low priority, and a table of W-D-L, score and rating difference.
#   bash tools/ladder.sh [GAMES] [OUT_DIR] [PAIR ...]   (PAIR: "level:5,level:4")
set -euo pipefail
games=${1:-40}
out=${2:-ladder}
shift $(( $# > 2 ? 2 : $# )) || true
bin=$(dirname "$0")/../build/bin/zarvo-match
mkdir -p "$out"
pairs=("$@")
if [ ${#pairs[@]} -eq 0 ]; then
  pairs=(level:1,random level:2,level:1 level:3,level:2 level:3,level:1 level:4,level:3 level:5,level:4
         level:6,level:5 level:7,level:6 level:8,level:7 level:9,level:8)
fi
for pair in "${pairs[@]}"; do
  a=${pair%,*}
  b=${pair#*,}
  name="${a/:/}-${b/:/}"
  # The game's own levels choose without chance: a few random first moves make the games differ.
  opening=0
  case "$a$b" in *random*) ;; *level:[4-9]*) ;; *) opening=4 ;; esac
  cmd=("$bin" --white "$a" --black "$b" --games "$games" --swap --seed 1 --opening-plies "$opening"
       --pgn "$out/$name.pgn")
  echo "${cmd[*]}" > "$out/$name.cmd"
  nice -n 10 "${cmd[@]}" > "$out/$name.txt"
  echo "$name: $(tail -n 1 "$out/$name.txt")"
done
python3 - "$out" <<'PY'
import math, pathlib, sys
out = pathlib.Path(sys.argv[1])
def elo(p):
    return -400 * math.log10(1 / p - 1)
print("| Pair | Games | W-D-L | Score | Elo difference (95%) |")
print("|---|---|---|---|---|")
for f in sorted(out.glob("*.txt")):
    # Counted from the game lines, so that a run cut short still counts.
    first = f.stem.split("-")[0].replace("level", "level:")
    w = d = l = 0
    for line in f.read_text().splitlines():
        if not line.startswith("game "):
            continue
        words = line.split()
        white, result = words[2], words[5]
        if result in ("1/2-1/2", "*"):
            d += 1
        elif (result == "1-0") == (white == first):
            w += 1
        else:
            l += 1
    n = w + d + l
    if n == 0:
        continue
    p = (w + d / 2) / n
    var = (w * (1 - p) ** 2 + d * (0.5 - p) ** 2 + l * p ** 2) / n
    se = math.sqrt(var / n)
    lo, hi = p - 1.96 * se, p + 1.96 * se
    bound = lambda q: "∞" if q >= 1 else "-∞" if q <= 0 else f"{elo(q):+.0f}"
    if p >= 1 or p <= 0:
        # No game lost (or won): only a bound, from the score one more game could have changed.
        bound = elo(n / (n + 1)) if p >= 1 else elo(1 / (n + 1))
        text = f"> {bound:+.0f}" if p >= 1 else f"< {bound:+.0f}"
    else:
        text = f"{elo(p):+.0f} ({bound(lo)} … {bound(hi)})"
    a, b = f.stem.split("-")
    print(f"| {a} vs {b} | {n} | {w}-{d}-{l} | {100 * p:.1f}% | {text} |")
PY
