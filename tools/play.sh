#!/usr/bin/env bash
# Sets up, builds and starts Zarvo チェス. The set-up and the build print one
# line each; their output is in build/setup.log and build/build.log.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/steps.sh
use_utf8_locale
bash tools/install-deps.sh
step build/build.log "Configuring build/ (log: build/build.log)" \
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
step build/build.log "Building the game" cmake --build build -j"$(nproc)" --target zarvo-chess
# The game finds its sounds, help page and settings beside itself; the record
# panel starts in the folder the game starts in.
cd build/bin
exec ./zarvo-chess
