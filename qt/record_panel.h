// The record panel as real controls on the board view: a drive list, a folder
// list, a file list of "*.棋譜", four captioned text fields and RETURN.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QObject>
#include <QPushButton>
#include <QSet>
#include <QTableView>
#include <array>
#include <functional>
#include <memory>

#include "shell/record_panel.h"

namespace zarvo {

struct App;
class MainWindow;
class GameListModel;
class GameFilter;

class QtRecordPanel final : public QObject, public RecordPanel {
  Q_OBJECT

 public:
  QtRecordPanel(App& app, QWidget* board_view);

  void set_lists_visible(bool drives, bool folders, bool files) override;
  void set_fields_visible(bool visible) override;
  std::string text(PanelText field) override;
  void set_text(PanelText field, std::string_view text) override;
  std::vector<std::string> drives() override;
  std::string chosen_drive() override;
  std::string folder() override;
  bool set_folder(const std::string& path) override;
  std::string file_folder() override;
  void set_file_folder(const std::string& path) override;
  std::string chosen_file() override;
  void refresh_files() override;
  void show_games(const std::string& path, std::vector<PgnGameEntry> games) override;
  std::string games_path() override { return games_path_; }
  const PgnGameEntry* chosen_game() override;
  void mark_game(int number, const std::string& reason) override;

  // Places and sizes the controls for the board's scale (1 at the start size).
  void apply_scale(double scale);
  bool eventFilter(QObject* watched, QEvent* event) override;

  QComboBox* drive_list() const { return drive1_; }
  QListWidget* folder_list() const { return dir1_; }
  QListWidget* file_list() const { return file1_; }
  QLineEdit* field(PanelText t) const { return texts_[static_cast<size_t>(t)]; }
  QPushButton* return_button() const { return command1_; }
  QTableView* game_list() const { return games1_; }
  QLineEdit* game_filter() const { return filter1_; }

  // The roots a user chooses between: "/", the home folder, volumes under
  // /media, /run/media and /mnt. Exposed for the tests.
  static QStringList drive_roots();

 private:
  void fill_drives();
  void list_folders();
  void folder_activated(QListWidgetItem* item);
  bool ready(const QString& path) const;

  App& app_;
  QComboBox* drive1_;
  QListWidget* dir1_;
  QListWidget* file1_;
  std::array<QLabel*, 4> labels_{};
  std::array<QLineEdit*, 4> texts_{};
  QPushButton* command1_;
  QLineEdit* filter1_;
  QTableView* games1_;
  GameListModel* games_;
  GameFilter* filter_;
  std::string games_path_;
  int chosen_row_ = -1;  // in the model
  QString dir_path_;
  QString file_path_;
  QSet<QString> volumes_;  // drive entries that must be mounted to be entered
  bool filling_ = false;
};

// What the game holds as its record panel: the real controls are built the
// first time the game needs them, so start-up does not list drives and folders
// for a panel that starts hidden.
class QtRecordPanelOnDemand final : public RecordPanel {
 public:
  QtRecordPanelOnDemand(App& app, QWidget* board_view) : app_(app), view_(board_view) {}

  // The controls, built now if they were not yet.
  QtRecordPanel& panel();
  bool built() const { return panel_ != nullptr; }
  // Runs once, on the controls just built.
  void on_built(std::function<void(QtRecordPanel&)> f) { on_built_ = std::move(f); }

  void set_lists_visible(bool drives, bool folders, bool files) override;
  void set_fields_visible(bool visible) override;
  std::string text(PanelText field) override;
  void set_text(PanelText field, std::string_view text) override;
  std::vector<std::string> drives() override { return panel().drives(); }
  std::string chosen_drive() override { return panel().chosen_drive(); }
  std::string folder() override { return panel().folder(); }
  bool set_folder(const std::string& path) override { return panel().set_folder(path); }
  std::string file_folder() override { return panel().file_folder(); }
  void set_file_folder(const std::string& path) override { panel().set_file_folder(path); }
  std::string chosen_file() override { return panel().chosen_file(); }
  void refresh_files() override { panel().refresh_files(); }
  void show_games(const std::string& path, std::vector<PgnGameEntry> games) override {
    if (built() || !games.empty()) panel().show_games(path, std::move(games));
  }
  std::string games_path() override { return built() ? panel_->games_path() : std::string(); }
  const PgnGameEntry* chosen_game() override { return built() ? panel_->chosen_game() : nullptr; }
  void mark_game(int number, const std::string& reason) override {
    if (built()) panel_->mark_game(number, reason);
  }

 private:
  App& app_;
  QWidget* view_;
  QtRecordPanel* panel_ = nullptr;  // a child of the board view
  std::function<void(QtRecordPanel&)> on_built_;
};

}  // namespace zarvo
