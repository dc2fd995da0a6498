# Shared by the tools/xvfb-*.sh sessions: a copy of the built game in a
# scratch folder ($work), a virtual X screen of its own, and the helpers every
# session uses. A session sets root, out and work, then sources this file.

# copy_game ROOT WORK: the program, its sounds, help pages and sound library.
copy_game() {
  cp "$1"/build/bin/zarvo-chess "$1"/build/bin/*.wav "$1"/build/bin/*.htm "$2"/
  cp "$1"/build/bin/libzarvosound.so "$2"/ 2>/dev/null || true
}

# write_settings WORK LINE...: the copy's settings file, one "KEY=VALUE" line
# each, in the Shift-JIS and CR LF the game reads.
write_settings() {
  local work_dir=$1
  shift
  printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP932 > "$work_dir/Zarvoチェス.ini"
}

# end_session: stops the game ($game, when one runs) and the X server and
# removes the copy; a session that keeps something first defines keep_results.
end_session() {
  if declare -F keep_results >/dev/null; then keep_results || true; fi
  # The game goes first, so that it does not see its display vanish.
  if [ -n "${game:-}" ]; then
    kill "$game" 2>/dev/null || true
    wait "$game" 2>/dev/null || true
  fi
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}

# start_xvfb [WxHxDEPTH]: starts Xvfb on a free display, exports DISPLAY,
# leaves the server's process id in $xvfb, ends the session on exit and
# returns once the server answers.
start_xvfb() {
  local n=99
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  export DISPLAY=:$n
  Xvfb "$DISPLAY" -screen 0 "${1:-800x600x24}" -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  game=
  trap end_session EXIT
  for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
}

# shot NAME: the whole screen as $out/NAME.png.
shot() { import -window root "$out/$1.png"; }
# sq X Y: the centre of board square (X, Y) on the screen at the start size;
# the menu bar is 19 pixels high.
sq() { echo $(((1000 + 660 * $1 + 330) / 15)) $((19 + (70 + 670 * $2 + 335) / 15)); }
