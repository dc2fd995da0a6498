// Placeholders until the record panel and navigation land; this file is removed then.
#include "records/record_navigation.h"
#include "records/record_panel.h"
#include "shell/app.h"

namespace zarvo {
void show_file_lists(App&, bool, bool, bool) {}
void show_record_panel(App&, int) {}
void KIFU_READ_Click(App&) {}
void KIFU_WRITE_Click(App&) {}
void Command1_Click(App&) {}
void File1_Click(App&) {}
void Drive1_Change(App&) {}
void Dir1_Change(App&) {}
void restore_entry(App&, int) {}
void CANCEL_Click(App&) {}
void REPLAY_Click(App&) {}
void AFTER_Click(App&) {}
}  // namespace zarvo
