// The commands around the game: the ways the program ends, the help page and
// the version window.
#pragma once

namespace zarvo {

struct App;

constexpr int KEY_ESCAPE = 27;

void Form_Unload(App& app);
void Form_KeyDown(App& app, int key_code, int shift);
void OWARI_Click(App& app);
void KAISETU_Click(App& app);
void VER_Click(App& app);
// Form4's "ホームページ": opens the home page; true when Form4 should close.
bool Form4_Command1_Click(App& app);

}  // namespace zarvo
