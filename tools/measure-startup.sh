#!/usr/bin/env bash
# Measures how fast the game shows its first painted frame and how much memory
# it holds once it has settled, on a virtual X screen.
#   bash tools/measure-startup.sh [BUILD_DIR] [RUNS]
# BUILD_DIR defaults to build/, RUNS to 9 (after one warm-up run). Prints the
# time from exec to the first frame of the main window that shows more than
# one colour (every run and the median), and the resident memory 5 s after
# the start. Needs Xvfb, a C compiler and the Xlib headers (libx11-dev).
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
runs="${2:-9}"
game="$build/bin/zarvo-chess"
[ -x "$game" ] || { echo "no game at $game; build the zarvo-chess target first" >&2; exit 1; }
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

/* watch SETTLE_SECONDS PROGRAM [ARGS...]: prints "<map ms> <first frame ms> <rss KiB>". */
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
  double mapped = -1, frame = -1;
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
    if (win && painted(d, win)) frame = now_ms() - start;
    else usleep(500);
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
  printf("%.1f %.1f %ld\n", mapped, frame, rss);
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

"$work/watch" 0 "$game" >/dev/null  # warm-up: caches, font database
frames=()
for i in $(seq "$runs"); do
  read -r mapped frame _ < <("$work/watch" 0 "$game")
  printf 'run %d: window mapped after %s ms, first painted frame after %s ms\n' "$i" "$mapped" "$frame"
  frames+=("$frame")
done
median="$(printf '%s\n' "${frames[@]}" | sort -g | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}')"
read -r _ _ rss < <("$work/watch" 5 "$game")

echo "first painted frame: median ${median} ms over ${runs} runs"
echo "resident memory 5 s after start: $((rss / 1024)) MiB (${rss} KiB)"
