// "前回の対局を再開": the game that was in progress when the program last ended.
#pragma once

namespace zarvo {

struct App;

// Reads the kept game as a record and shows its last position, as stepping
// there with "進" would.
void ZENKAI_Click(App& app);

}  // namespace zarvo
