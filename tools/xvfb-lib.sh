# Shared by the tools/xvfb-*.sh sessions: a copy of the built game in a
# scratch folder, and a virtual X screen of its own.

# copy_game ROOT WORK: the program, its sounds, help pages and sound library.
copy_game() {
  cp "$1"/build/bin/zarvo-chess "$1"/build/bin/*.wav "$1"/build/bin/*.htm "$2"/
  cp "$1"/build/bin/libzarvosound.so "$2"/ 2>/dev/null || true
}

# start_xvfb [WxHxDEPTH]: starts Xvfb on a free-looking display, exports
# DISPLAY and leaves the server's process id in $xvfb.
start_xvfb() {
  DISPLAY=:$((90 + RANDOM % 100))
  Xvfb "$DISPLAY" -screen 0 "${1:-800x600x24}" -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY
}
