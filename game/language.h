// The menu item "言語 / Language": Japanese or English.
#pragma once

namespace zarvo {

struct App;

// Shows the other language at once and remembers it; the game on the board is kept.
void GENGO_Click(App& app);

}  // namespace zarvo
