// Stepping through the move record: 最初, 戻, 進.
#pragma once

namespace zarvo {

struct App;

void restore_entry(App& app, int n);
// The first step of a record shows its first mover in white, with the labels
// and captions of that side.
void show_first_mover_in_white(App& app);
void CANCEL_Click(App& app);
void REPLAY_Click(App& app);
void AFTER_Click(App& app);

}  // namespace zarvo
