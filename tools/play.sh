#!/usr/bin/env bash
# Sets up, builds and starts Zarvo チェス.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target zarvo-chess
# The game finds its sounds, help page and settings beside itself; the record
# panel starts in the folder the game starts in.
cd build/bin
exec ./zarvo-chess
