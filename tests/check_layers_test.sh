#!/usr/bin/env bash
# The layer check passes a tree whose includes point down or sideways and fails
# one with a rules file that includes a display header or the App, or Qt outside qt/.
set -euo pipefail
check=$(cd "$(dirname "$0")/.." && pwd)/tools/check-layers.sh
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree"/rules "$tree"/display "$tree"/game "$tree"/qt
printf '#include "rules/position.h"\n#include "display/display_state.h"\n' > "$tree"/rules/ok.cpp
printf '#include "rules/ok.h"\n#include "records/move_record.h"\n' > "$tree"/display/ok.cpp
printf '#include <QWidget>\n#include "game/flow.h"\n' > "$tree"/qt/ok.cpp
bash "$check" "$tree" >/dev/null || { echo "a clean tree was refused"; exit 1; }
for bad in 'rules/bad.cpp:#include "display/board_drawing.h"' 'game/bad.cpp:#include <QString>' \
           'rules/bad.cpp:#include "shell/app.h"' \
           'display/bad.cpp:#include "game/game_end.h"'; do
  file=${bad%%:*}
  printf '%s\n' "${bad#*:}" > "$tree/$file"
  if bash "$check" "$tree" >/dev/null; then echo "not caught: $file ${bad#*:}"; exit 1; fi
  rm "$tree/$file"
done
echo "layer check: clean tree passes, every upward include fails"
