#!/usr/bin/env bash
# Fails when a file includes a header of a layer above its own, or when Qt is
# included outside qt/. Layers, lowest first:
#   rules/ < computer/ < display/ records/ shell/ < game/ < qt/
# shell/app.h and the plain *_state.h structs are the shared vocabulary of the
# layers from display/ up (rules/ and computer/ never see App); shell/sound_library/
# is a library of its own below them all.
# Usage: tools/check-layers.sh [ROOT]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
list_sources() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files --cached --others --exclude-standard -- rules computer display records shell game qt
  else
    find rules computer display records shell game qt -type f 2>/dev/null || true
  fi
}
list_sources | grep -E '\.(cpp|h)$' |
  { xargs -r grep -HnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' || true; } |
  awk -F: '
    function rank(folder) {
      if (folder == "rules") return 0
      if (folder == "computer") return 1
      if (folder == "display" || folder == "records" || folder == "shell") return 2
      if (folder == "game") return 3
      if (folder == "qt") return 4
      return -1
    }
    {
      file = $1; line = $2; text = substr($0, length($1) + length($2) + 3)
      if (file ~ /^shell\/sound_library\//) next
      split(file, parts, "/"); folder = parts[1]
      header = text; sub(/^[^<"]*[<"]/, "", header); sub(/[>"].*$/, "", header)
      if (header ~ /^Q/ || header ~ /^Qt[A-Za-z]*\//) {
        if (folder != "qt") { print file ":" line ": Qt header <" header "> outside qt/"; bad = 1 }
        next
      }
      if (header !~ /\//) next
      split(header, hp, "/"); target = hp[1]; base = header; sub(/.*\//, "", base)
      if (rank(target) < 0) next
      # rules/ and computer/ see a Position and the computer state, never the App.
      if (header == "shell/app.h" && (folder == "rules" || folder == "computer")) { print file ":" line ": " folder "/ must not include shell/app.h"; bad = 1; next }
      if (header == "shell/app.h" || base ~ /_state\.h$/ || header ~ /^shell\/sound_library\//) next
      if (rank(target) > rank(folder)) { print file ":" line ": " folder "/ must not include " header " (a layer above)"; bad = 1 }
    }
    END {
      if (bad) exit 1
      print "layers: every include points down or sideways"
    }'
