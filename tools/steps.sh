# Sourced by the set-up scripts. Each step prints one line and sends what its
# commands print to a log file; when it fails, the log's last lines follow.

# Japanese file names (the help page, the sounds) pass through CPack's tar and
# other tools only in a UTF-8 locale; a bare machine may have plain C/POSIX.
use_utf8_locale() {
  if [ "$(locale charmap 2>/dev/null)" != "UTF-8" ]; then
    export LC_ALL=C.UTF-8
  fi
}

# step LOG TEXT COMMAND...
step() {
  local log=$1 text=$2
  shift 2
  mkdir -p "$(dirname "$log")"
  echo "$text"
  echo "=== $text" >>"$log"
  if ! "$@" >>"$log" 2>&1; then
    echo "failed: $text; the last lines of $log:" >&2
    tail -n 25 "$log" >&2
    return 1
  fi
}
