#!/usr/bin/env bash
# Builds the Debian package of Zarvo チェス: zarvo-chess_VERSION_ARCH.deb in
# the top folder of the repository. Install it with
#   sudo apt install ./zarvo-chess_*.deb
# The package is built in build-deb/ with -O2 like Debian's own packages,
# stripped, for /usr; dpkg-shlibdeps works out its library dependencies.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/steps.sh
use_utf8_locale
bash tools/install-deps.sh

dir=build-deb
log=$dir/package.log
# Only what the package holds is built: no tests, tools or benchmarks.
step "$log" "Configuring $dir/ (log: $log)" cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_INSTALL_PREFIX=/usr -DZARVO_BENCHMARKS=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
step "$log" "Building the game" cmake --build "$dir" -j"$(nproc)" --target zarvo-chess zarvo_data zarvo_desktop
rm -f "$dir"/zarvo-chess_*.deb
step "$log" "Packing" bash -c "cd '$dir' && cpack -G DEB"
rm -f zarvo-chess_*.deb
cp "$dir"/zarvo-chess_*.deb .
ls zarvo-chess_*.deb
