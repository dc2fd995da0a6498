#!/usr/bin/env bash
# Fails when a C++ file differs from what clang-format makes of it (.clang-format
# at the top). Usage: tools/check-format.sh [--fix]
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
status=0
for f in "${files[@]}"; do
  if ! clang-format "$f" | cmp -s - "$f"; then
    echo "not formatted: $f (run tools/check-format.sh --fix)"
    status=1
  fi
done
[ $status -eq 0 ] && echo "format: ${#files[@]} files as clang-format writes them"
exit $status
