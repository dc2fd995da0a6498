// A record panel without widgets, and a scratch folder for record files.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "shell/record_panel.h"

namespace zarvo::test {

// Keeps what the game sets and answers what a test put in. Folders named in
// not_ready cannot be entered.
class FakeRecordPanel final : public RecordPanel {
 public:
  void set_lists_visible(bool d, bool f, bool l) override { drives_shown = d, folders_shown = f, files_shown = l; }
  void set_fields_visible(bool visible) override { fields_shown = visible; }
  std::string text(PanelText field) override { return texts[field]; }
  void set_text(PanelText field, std::string_view t) override { texts[field] = std::string(t); }
  std::vector<std::string> drives() override { return drive_list; }
  std::string chosen_drive() override { return drive; }
  std::string folder() override { return dir; }
  bool set_folder(const std::string& path) override;
  std::string file_folder() override { return files_dir; }
  void set_file_folder(const std::string& path) override { files_dir = path; }
  std::string chosen_file() override { return file; }
  void refresh_files() override { ++refreshed; }
  void show_games(const std::string& path, std::vector<PgnGameEntry> g) override {
    games_file = path, games = std::move(g);
  }
  std::string games_path() override { return games_file; }
  const PgnGameEntry* chosen_game() override {
    return chosen >= 1 && chosen <= static_cast<int>(games.size()) ? &games[static_cast<size_t>(chosen - 1)] : nullptr;
  }
  void mark_game(int number, const std::string& reason) override { marks[number] = reason; }

  bool drives_shown = false, folders_shown = false, files_shown = false, fields_shown = false;
  std::map<PanelText, std::string> texts;
  std::vector<std::string> drive_list;
  std::string drive, dir, files_dir, file;
  std::set<std::string> not_ready;
  int refreshed = 0;
  std::string games_file;
  std::vector<PgnGameEntry> games;
  int chosen = 0;  // game number chosen in the list
  std::map<int, std::string> marks;
};

std::string read_bytes(const std::string& path);
void write_file(const std::string& path, const std::string& bytes);

}  // namespace zarvo::test
