#!/usr/bin/env bash
# Fails when a file includes a header of a layer above its own, or when Qt is
# included outside qt/. Layers, lowest first:
#   rules/ < computer/ < display/ records/ shell/ < game/ < qt/
# app.h and the plain *_state.h structs are the shared vocabulary any layer may
# include. Usage: tools/check-layers.sh [ROOT]
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"

rank() {
  case $1 in
    rules) echo 0 ;;
    computer) echo 1 ;;
    display | records | shell) echo 2 ;;
    game) echo 3 ;;
    qt) echo 4 ;;
    *) echo -1 ;;
  esac
}

status=0
while IFS= read -r file; do
  folder=${file%%/*}
  own=$(rank "$folder")
  [ "$own" -ge 0 ] || continue
  # The sound library is a library of its own below everything else.
  case $file in shell/sound_library/*) continue ;; esac
  while IFS=: read -r line text; do
    header=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]+)[>"].*/\1/' <<<"$text")
    if [[ $header == Q* || $header == Qt*/* ]]; then
      if [ "$folder" != qt ]; then
        echo "$file:$line: Qt header <$header> outside qt/"
        status=1
      fi
      continue
    fi
    [[ $header == */* ]] || continue
    target=${header%%/*}
    theirs=$(rank "$target")
    [ "$theirs" -ge 0 ] || continue
    base=${header##*/}
    [[ $header == shell/app.h || $base == *_state.h || $header == shell/sound_library/* ]] && continue
    if [ "$theirs" -gt "$own" ]; then
      echo "$file:$line: $folder/ must not include $header (a layer above)"
      status=1
    fi
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include' "$file" || true)
done < <(git ls-files -- '*.cpp' '*.h' 2>/dev/null || find . -name '*.cpp' -o -name '*.h')
if [ $status -eq 0 ]; then echo "layers: every include points down or sideways"; fi
exit $status
