// Stepping through the move record: 最初, 戻, 進.
#pragma once

namespace zarvo {

struct App;

void restore_entry(App& app, int n);
void CANCEL_Click(App& app);
void REPLAY_Click(App& app);
void AFTER_Click(App& app);

}  // namespace zarvo
