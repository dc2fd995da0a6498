#!/usr/bin/env bash
# Installs the Debian packages Zarvo チェス needs to build, test, run and package.
# Packages already present are left alone; apt-get runs through sudo when
# this script is not run as root. What apt-get and dpkg print goes to
# build/setup.log (or $ZARVO_SETUP_LOG).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/tools/steps.sh"
use_utf8_locale
log=${ZARVO_SETUP_LOG:-$root/build/setup.log}

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev
  qt6-l10n-tools qt6-tools-dev
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

# sudo clears the environment, so the variables go through env on its far side.
as_root=(env DEBIAN_FRONTEND=noninteractive LC_ALL="${LC_ALL:-C.UTF-8}")
if [ "$(id -u)" -ne 0 ]; then as_root=(sudo "${as_root[@]}"); fi
step "$log" "Reading the package lists (log: $log)" "${as_root[@]}" apt-get update -q
step "$log" "Installing ${#missing[@]} packages: ${missing[*]}" \
  "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
