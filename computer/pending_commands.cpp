// Placeholders until the computer player lands; this file is removed then.
#include "computer/computer_turn.h"
#include "computer/levels.h"
#include "shell/app.h"

namespace zarvo {
void com_ban(App&) {}
void LEVEL1_Click(App&) {}
void LEVEL2_Click(App&) {}
void LEVEL3_Click(App&) {}
void set_level(App&, int) {}
void LBEL_UP_Click(App&) {}
void LEBEL_DOWN_Click(App&) {}
void handicap_refusal(App&, int) {}
}  // namespace zarvo
