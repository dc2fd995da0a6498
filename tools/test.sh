#!/usr/bin/env bash
# Sets up, builds and runs every test of Zarvo チェス.
#   bash tools/test.sh             the normal build in build/
#   bash tools/test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer in build-asan/
# The set-up and the build print one line each; their output is in
# build/setup.log and BUILD_DIR/build.log.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/steps.sh
use_utf8_locale
bash tools/install-deps.sh

dir=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARVO_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-asan
  flags=(-DCMAKE_BUILD_TYPE=Debug -DZARVO_SANITIZE=ON -DZARVO_WERROR=ON -DZARVO_BENCHMARKS=OFF)
  export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
  export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
step "$dir/build.log" "Configuring $dir/ (log: $dir/build.log)" cmake -S . -B "$dir" -G Ninja "${flags[@]}"
step "$dir/build.log" "Building $dir/" cmake --build "$dir" -j"$(nproc)"
cd "$dir"
ctest --output-on-failure --timeout 600
