#include "shell/waits.h"

#include "shell/app.h"

namespace zarvo {

void wait_seconds(App& app, double IN_秒) {
  Clock& clock = *app.platform.clock;
  clock.wait_started(IN_秒);
  const double start = clock.timer();
  for (;;) {
    double now = clock.timer();
    if (now < start) now += 24 * 60 * 60;  // the timer restarted at midnight
    if (now >= start + IN_秒) break;
    clock.idle();
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
