// The option menu: backgrounds, move guidance and music, each kept in the
// settings file.
#pragma once

namespace zarvo {

struct App;

void MIDORI_Click(App& app);
void TATAMI_Click(App& app);
void TAKE_Click(App& app);
void UCHU_Click(App& app);
void RENGA_Click(App& app);
void SIDOU_Click(App& app);
void BGM_Click(App& app);

}  // namespace zarvo
