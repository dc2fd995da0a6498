#!/usr/bin/env bash
# Packs an existing build with CPack and checks the Debian package: exactly the
# game's files (no tests or tools), library dependencies filled in by
# dpkg-shlibdeps, a menu entry and AppStream data that pass their validators,
# icons of the sizes they claim, and a program that finds its sound library.
#   bash tools/check-package.sh [BUILD_DIR]     (default build/)
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/steps.sh
# CPack's tar cannot take the help page's Japanese name in a C locale.
use_utf8_locale
build=${1:-build}
[ -x "$build/bin/zarvo-chess" ] || { echo "check-package: no game in $build; build it first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rm -f "$build"/zarvo-chess_*.deb
(cd "$build" && cpack -G DEB) >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log" >&2; exit 1; }
deb=$(ls "$build"/zarvo-chess_*.deb)
failed=0
fail() { echo "check-package: $*" >&2; failed=1; }

# The private library folder may or may not carry the multiarch triplet.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' |
  sed -E 's#^\./usr/lib/([^/]+/)?zarvo-chess/#./usr/lib/zarvo-chess/#' | sort >"$work/files"
sort >"$work/expected" <<'LIST'
./usr/bin/zarvo-chess
./usr/lib/zarvo-chess/libzarvosound.so
./usr/share/applications/zarvo-chess.desktop
./usr/share/icons/hicolor/128x128/apps/zarvo-chess.png
./usr/share/icons/hicolor/256x256/apps/zarvo-chess.png
./usr/share/icons/hicolor/48x48/apps/zarvo-chess.png
./usr/share/icons/hicolor/scalable/apps/zarvo-chess.svg
./usr/share/man/ja/man6/zarvo-chess.6.gz
./usr/share/man/man6/zarvo-chess.6.gz
./usr/share/metainfo/jp.zarvo.ZarvoChess.metainfo.xml
./usr/share/zarvo-chess/BGM.wav
./usr/share/zarvo-chess/ZarvoChess_en.htm
./usr/share/zarvo-chess/Zarvoチェス.htm
./usr/share/zarvo-chess/その他.wav
./usr/share/zarvo-chess/禁止.wav
./usr/share/zarvo-chess/駒打音.wav
LIST
diff -u "$work/expected" "$work/files" || fail "the package holds other files than the game's (- missing, + extra)"

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6svg6 libsdl2-2.0-0 fonts-ipafont-mincho; do
  [[ "$depends" == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done

dpkg-deb -x "$deb" "$work/root"
share="$work/root/usr/share"
desktop-file-validate "$share/applications/zarvo-chess.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml >"$work/appstream" ||
  { cat "$work/appstream" >&2; fail "appstreamcli validate"; }
for size in 48 128 256; do
  [[ "$(file "$share/icons/hicolor/${size}x${size}/apps/zarvo-chess.png")" == *"PNG image data, $size x $size,"* ]] ||
    fail "the ${size}x${size} icon is not a $size px PNG"
done
# The program opens its sound library by name once its window shows; its run
# path must lead to the library it carries, and that library must find SDL.
# (Outputs are read whole: grep -q on a pipe can fail the pipe under pipefail.)
runpath=$(readelf -d "$work/root/usr/bin/zarvo-chess" | sed -nE 's/.*R(UN)?PATH.*\[(.*)\]/\2/p')
lib="${runpath//\$ORIGIN/$work/root/usr/bin}/libzarvosound.so"
if [ -f "$lib" ]; then
  libs=$(ldd "$lib")
  [[ "$libs" != *"not found"* && "$libs" == *"libSDL2"* ]] || fail "the sound library does not find SDL: $libs"
else
  fail "the installed program's run path ($runpath) does not lead to its sound library"
fi

[ "$failed" -eq 0 ] || exit 1
echo "check-package: $deb holds the game's $(wc -l <"$work/files") files; Depends: $depends"
