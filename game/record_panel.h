// The record panel: browsing for record files, loading and saving them.
#pragma once

namespace zarvo {

struct App;
struct RecordFile;

// Visibility of the drive, folder and file lists.
void show_file_lists(App& app, bool drives, bool folders, bool files);
// 0 shows the save fields; any other value empties and hides them.
void show_record_panel(App& app, int flag);
// Hides the lists and empties and hides the save fields: what every command
// outside the record panel does first.
void close_record_panel(App& app);

// Puts a checked record of at least one move into the move record, as reading
// it from the panel does: record mode, the first position, the headers.
void take_record(App& app, const RecordFile& file);

void KIFU_READ_Click(App& app);
void KIFU_WRITE_Click(App& app);
void Command1_Click(App& app);
void File1_Click(App& app);
// The game up to the position shown, as PGN, and that position as FEN, to
// the clipboard; a game or position (PGN or FEN) from the clipboard.
void KIFU_COPY_PGN_Click(App& app);
void KIFU_COPY_FEN_Click(App& app);
void KIFU_PASTE_Click(App& app);
// A game chosen in the list of a PGN collection.
void Games1_Click(App& app);
void Drive1_Change(App& app);
void Dir1_Change(App& app);

}  // namespace zarvo
