#!/usr/bin/env bash
# Installs the Debian packages Zarvo チェス needs to build, test, run and package.
# Packages already present are left alone; apt-get runs through sudo when
# this script is not run as root.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev
  libsdl2-dev
  libgtest-dev libbenchmark-dev
  fonts-ipafont-mincho
  clang libclang-rt-dev llvm clang-format
  file desktop-file-utils appstream
  stockfish
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

# sudo clears the environment, so the variable goes through env on its far side.
as_root=(env DEBIAN_FRONTEND=noninteractive)
if [ "$(id -u)" -ne 0 ]; then as_root=(sudo "${as_root[@]}"); fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
