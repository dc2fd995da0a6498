#include "shell/waits.h"

#include "shell/app.h"

namespace zarvo {

namespace {
constexpr double SECONDS_PER_DAY = 24 * 60 * 60;
}  // namespace

void wait_seconds(App& app, double seconds) {
  Clock& clock = *app.platform.clock;
  clock.wait_started(seconds);
  // Adding up the steps between readings keeps counting across the timer's
  // restart at midnight, however long the wait.
  double previous = clock.timer();
  double elapsed = 0;
  while (elapsed < seconds) {  // false at once for 0, negative or NaN
    clock.idle();
    const double now = clock.timer();
    double step = now - previous;
    // Backwards near midnight is the restart; elsewhere the clock was set back, which counts as no time.
    if (step < 0) step = previous > SECONDS_PER_DAY - 60 ? step + SECONDS_PER_DAY : 0;
    elapsed += step;
    previous = now;
  }
}

void wait_whole_seconds(App& app, int n) {
  Clock& clock = *app.platform.clock;
  clock.wait_started(n);
  for (int round = 0; round < n; ++round) {
    const int second = clock.wall_second();
    while (clock.wall_second() == second) clock.idle();
  }
}

}  // namespace zarvo
