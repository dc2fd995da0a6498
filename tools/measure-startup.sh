#!/usr/bin/env bash
# Measures how fast the game shows its first painted frame and how much memory
# it holds once it has settled, against a bare Qt window built by the project
# (tools/bare_window.cpp), on a virtual X screen.
#   bash tools/measure-startup.sh [BUILD_DIR] [PAIRS]
# BUILD_DIR defaults to build/, PAIRS to 11 (after one warm-up run of each).
# The game and the bare window start in turn, so that both see the same load
# on the machine; each pair changes which one goes first. Prints every run,
# both medians of the time from exec to the first frame that shows more than
# one colour, the ratio game / bare, the CPU time each took to get there, and
# the resident memory 5 s after the start (median of 3 runs each). Needs Xvfb,
# a C compiler and the Xlib headers (libx11-dev).
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
pairs="${2:-11}"
game="$build/bin/zarvo-chess"
bare="$build/bin/zarvo-bare-window"
[ -x "$game" ] || { echo "no game at $game; build the zarvo-chess target first" >&2; exit 1; }
[ -x "$bare" ] || { echo "no bare window at $bare; build the zarvo-bare-window target first" >&2; exit 1; }
command -v Xvfb >/dev/null || { echo "Xvfb is missing" >&2; exit 1; }

work="$(mktemp -d)"
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The watcher starts the game itself, so that the clock starts at exec, and
# listens to the X server for the window's map event and its first content.
cat >"$work/watch.c" <<'EOF'
#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dirent.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static long window_pid(Display* d, Window w) {
  Atom pid_atom = XInternAtom(d, "_NET_WM_PID", True);
  if (pid_atom == None) return -1;
  Atom type;
  int format;
  unsigned long n, after;
  unsigned char* data = NULL;
  long pid = -1;
  if (XGetWindowProperty(d, w, pid_atom, 0, 1, False, XA_CARDINAL, &type, &format, &n, &after, &data) == Success &&
      data && n == 1)
    pid = (long)*(unsigned long*)data;
  if (data) XFree(data);
  return pid;
}

/* CPU time the process has used so far, all its threads together, in ms. */
static double cpu_ms(pid_t pid) {
  char path[64], line[128];
  snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
  DIR* tasks = opendir(path);
  if (!tasks) return -1;
  double total = 0;
  struct dirent* t;
  while ((t = readdir(tasks)) != NULL) {
    if (t->d_name[0] == '.') continue;
    snprintf(path, sizeof path, "/proc/%d/task/%.16s/schedstat", (int)pid, t->d_name);
    FILE* f = fopen(path, "r");
    if (f && fgets(line, sizeof line, f)) total += atof(line) / 1e6;
    if (f) fclose(f);
  }
  closedir(tasks);
  return total;
}

static int ignore_errors(Display* d, XErrorEvent* e) { (void)d; (void)e; return 0; }

/* More than one colour in the window: something was painted. */
static int painted(Display* d, Window w) {
  XWindowAttributes a;
  if (!XGetWindowAttributes(d, w, &a) || a.map_state != IsViewable) return 0;
  XImage* img = XGetImage(d, w, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
  if (!img) return 0;
  unsigned long first = XGetPixel(img, 0, 0);
  int more = 0;
  for (int y = 0; y < a.height && !more; y += 3)
    for (int x = 0; x < a.width; x += 3)
      if (XGetPixel(img, x, y) != first) { more = 1; break; }
  XDestroyImage(img);
  return more;
}

/* watch SETTLE_SECONDS PROGRAM [ARGS...]:
 * prints "<map ms> <first frame ms> <CPU ms to the first frame> <rss KiB>". */
int main(int argc, char** argv) {
  if (argc < 3) return 2;
  const double settle = atof(argv[1]);
  Display* d = XOpenDisplay(NULL);
  if (!d) { fprintf(stderr, "no X display\n"); return 1; }
  XSetErrorHandler(ignore_errors);
  Window root = DefaultRootWindow(d);
  XSelectInput(d, root, SubstructureNotifyMask);
  XSync(d, False);

  const double start = now_ms();
  pid_t child = fork();
  if (child == 0) {
    execv(argv[2], argv + 2);
    _exit(127);
  }
  double mapped = -1, frame = -1, cpu = -1;
  Window win = 0;
  while (frame < 0 && now_ms() - start < 20000) {
    while (XPending(d)) {
      XEvent e;
      XNextEvent(d, &e);
      if (e.type == MapNotify && win == 0 && window_pid(d, e.xmap.window) == child) {
        XWindowAttributes a;
        if (XGetWindowAttributes(d, e.xmap.window, &a) && a.width > 300 && a.height > 300) {
          win = e.xmap.window;
          mapped = now_ms() - start;
        }
      }
    }
    if (win && painted(d, win)) {
      frame = now_ms() - start;
      cpu = cpu_ms(child);
    } else {
      usleep(500);
    }
    int status;
    if (waitpid(child, &status, WNOHANG) == child) { fprintf(stderr, "the game ended early\n"); return 1; }
  }
  long rss = -1;
  if (settle > 0) {
    while (now_ms() - start < settle * 1000) usleep(10000);
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/status", (int)child);
    FILE* f = fopen(path, "r");
    while (f && fgets(line, sizeof line, f))
      if (strncmp(line, "VmRSS:", 6) == 0) rss = atol(line + 6);
    if (f) fclose(f);
  }
  kill(child, SIGKILL);
  waitpid(child, NULL, 0);
  printf("%.1f %.1f %.1f %ld\n", mapped, frame, cpu, rss);
  return frame < 0;
}
EOF
cc -O2 -o "$work/watch" "$work/watch.c" -lX11

display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
export DISPLAY=":$display"
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.05; done
sleep 0.2

# As on a desktop without sound hardware: SDL's dummy driver, no warning box.
# The game reads its sounds and settings in the folder it starts in.
cd "$build/bin"
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
# As in a desktop session, which always has its runtime folder.
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"

median() { sort -g | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
# Warm-up: file caches, font cache.
"$work/watch" 0 "$game" >/dev/null
"$work/watch" 0 "$bare" >/dev/null

game_frames=() bare_frames=() game_cpu=() bare_cpu=() ratios=()
run() {  # run NAME PROGRAM: one start, its figures in the globals frame and cpu
  read -r _ frame cpu _ < <("$work/watch" 0 "$2")
  printf '  %-5s first painted frame after %7s ms, %6s ms CPU\n' "$1" "$frame" "$cpu"
}
for i in $(seq "$pairs"); do
  echo "pair $i:"
  if [ $((i % 2)) -eq 1 ]; then
    run game "$game"; gf=$frame gc=$cpu
    run bare "$bare"; bf=$frame bc=$cpu
  else
    run bare "$bare"; bf=$frame bc=$cpu
    run game "$game"; gf=$frame gc=$cpu
  fi
  game_frames+=("$gf") bare_frames+=("$bf") game_cpu+=("$gc") bare_cpu+=("$bc")
  ratios+=("$(awk -v g="$gf" -v b="$bf" 'BEGIN {printf "%.3f", g / b}')")
done

resident() {  # resident PROGRAM: median KiB 5 s after the start, over 3 runs
  for _ in 1 2 3; do
    read -r _ _ _ rss < <("$work/watch" 5 "$1")
    echo "$rss"
  done | median
}
game_rss="$(resident "$game")"
bare_rss="$(resident "$bare")"

gm="$(printf '%s\n' "${game_frames[@]}" | median)"
bm="$(printf '%s\n' "${bare_frames[@]}" | median)"
gcm="$(printf '%s\n' "${game_cpu[@]}" | median)"
bcm="$(printf '%s\n' "${bare_cpu[@]}" | median)"
rm_="$(printf '%s\n' "${ratios[@]}" | median)"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
printf 'first painted frame, median of %d: game %s ms, bare Qt window %s ms\n' "$pairs" "$gm" "$bm"
printf 'ratio game / bare: %s (median of the ratios of the pairs: %s)\n' "$(awk -v g="$gm" -v b="$bm" 'BEGIN {printf "%.2f", g / b}')" "$rm_"
printf 'CPU time to the first frame, median: game %s ms, bare Qt window %s ms\n' "$gcm" "$bcm"
printf 'resident memory 5 s after start, median of 3: game %s MiB (%s KiB), bare Qt window %s MiB (%s KiB)\n' \
  "$(awk -v k="$game_rss" 'BEGIN {printf "%.1f", k / 1024}')" "$game_rss" \
  "$(awk -v k="$bare_rss" 'BEGIN {printf "%.1f", k / 1024}')" "$bare_rss"
