// The record panel as the game sees it: drive, folder and file lists, four
// text fields with their captions and the RETURN button. The Qt shell puts real
// controls on the main window; tests use a fake.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "records/pgn_collection.h"

namespace zarvo {

// The four text fields by their role.
enum class PanelText {
  FileName,      // Text1: file name without its extension
  Title,         // Text2: game title
  FirstPlayer,   // Text3: 先手
  SecondPlayer,  // Text4: 後手
};

class RecordPanel {
 public:
  virtual ~RecordPanel() = default;

  // Drive1, Dir1 and File1 shown or hidden.
  virtual void set_lists_visible(bool drives, bool folders, bool files) = 0;
  // The text fields, their captions and the button, together.
  virtual void set_fields_visible(bool visible) = 0;

  virtual std::string text(PanelText field) = 0;
  virtual void set_text(PanelText field, std::string_view text) = 0;

  // Drive1: the roots offered and the one chosen (UTF-8 paths).
  virtual std::vector<std::string> drives() = 0;
  virtual std::string chosen_drive() = 0;

  // Dir1: the folder it shows. Setting a folder that cannot be read returns
  // false and keeps the old one.
  virtual std::string folder() = 0;
  virtual bool set_folder(const std::string& path) = 0;

  // File1: the folder it lists (and saving writes to), its chosen entry, and a
  // new look at the folder after a file was written.
  virtual std::string file_folder() = 0;
  virtual void set_file_folder(const std::string& path) = 0;
  virtual std::string chosen_file() = 0;
  virtual void refresh_files() = 0;

  // The list of the games of a PGN collection, with its filter field, shown
  // in place of the file lists; no games hides it.
  virtual void show_games(const std::string& path, std::vector<PgnGameEntry> games) = 0;
  // The collection shown and the game chosen in its list (nullptr: none).
  virtual std::string games_path() = 0;
  virtual const PgnGameEntry* chosen_game() = 0;
  // A game that cannot be read stays listed, with the reason.
  virtual void mark_game(int number, const std::string& reason) = 0;
};

}  // namespace zarvo
