#!/usr/bin/env bash
# Fails when lupdate finds a text in the code that a translation file does not
# have, or when a translation file has an entry without its translation.
# Usage: tools/check-translations.sh [LUPDATE] [ROOT]
set -euo pipefail
lupdate=${1:-lupdate}
cd "${2:-$(dirname "$0")/..}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sources=()
for dir in rules computer display records shell game qt; do
  for f in "$dir"/*.cpp "$dir"/*.h; do [ -e "$f" ] && sources+=("$f"); done
done
status=0
for ts in translations/*.ts; do
  cp "$ts" "$work/check.ts"
  "$lupdate" -silent -locations none "${sources[@]}" -ts "$work/check.ts"
  # A text new to the file comes in unfinished, like one left untranslated.
  if grep -q 'type="unfinished"' "$work/check.ts"; then
    echo "$ts: texts without a translation:" >&2
    python3 - "$work/check.ts" >&2 <<'PY'
import re, sys
t = open(sys.argv[1], encoding="utf-8").read()
for ctx in re.findall(r"<context>.*?</context>", t, re.S):
    name = re.search(r"<name>(.*?)</name>", ctx).group(1)
    for message in re.findall(r"<message>.*?</message>", ctx, re.S):
        if 'type="unfinished"' in message:
            print(f"  {name}: {re.search(r'<source>(.*?)</source>', message, re.S).group(1)}")
PY
    status=1
  fi
done
exit $status
