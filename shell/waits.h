// Pauses that hold the game: no input is handled while they run.
#pragma once

namespace zarvo {

struct App;

// Waits seconds seconds on the seconds-since-midnight timer; a wait across
// midnight still lasts its full length.
void wait_seconds(App& app, double seconds);
// Waits for n changes of the wall-clock second (between n-1 and n seconds).
void wait_whole_seconds(App& app, int n);

}  // namespace zarvo
