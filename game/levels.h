// Playing strength: the computer level and the handicap grades.
#pragma once

namespace zarvo {

struct App;

void LEVEL1_Click(App& app);
void LEVEL2_Click(App& app);
void LEVEL3_Click(App& app);
void LEVEL4_Click(App& app);
void LEVEL5_Click(App& app);
void LEVEL6_Click(App& app);
void LEVEL7_Click(App& app);
void LEVEL8_Click(App& app);
void LEVEL9_Click(App& app);
void set_level(App& app, int IN_LEVEL);
void LBEL_UP_Click(App& app);
void LEBEL_DOWN_Click(App& app);
void handicap_refusal(App& app, int n);

}  // namespace zarvo
