#include "shell/platform.h"
#include "shell/promotion_windows.h"
#include "shell/record_panel.h"
#include "shell/version_window.h"

namespace zarvo {
namespace {

class NullCanvas final : public Canvas {
 public:
  void paint_picture(std::string_view, double, double) override {}
  void draw_box(double, double, double, double, int) override {}
  void fill_background(int) override {}
  void set_font_bold(bool) override {}
  void set_font_size(double) override {}
  void set_fore_colour(int) override {}
  void set_text_position(double, double) override {}
  void print(std::string_view) override {}
  void refresh() override {}
};

class NullDialogs final : public Dialogs {
 public:
  Answer message_box(std::string_view, std::string_view, Buttons buttons, Icon) override {
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
  }
};

// Headless runs never wait: time jumps forward a second per round.
class NullClock final : public Clock {
 public:
  double timer() override { return now_; }
  int wall_second() override { return static_cast<int>(now_) % 60; }
  void idle() override { now_ += 1.0; }

 private:
  double now_ = 0;
};

class NullBrowser final : public Browser {
 public:
  bool open(const std::string&) override { return false; }
};

// Keeps what was copied, like a clipboard of its own.
class NullClipboard final : public Clipboard {
 public:
  std::string text() override { return text_; }
  void set_text(std::string_view text) override { text_ = std::string(text); }

 private:
  std::string text_;
};

class NullWidgets final : public Widgets {
 public:
  void set_checked(std::string_view, bool) override {}
  bool is_checked(std::string_view) override { return false; }
};

class NullSound final : public SoundLibrary {
 public:
  int32_t dsInitialize(intptr_t) override { return 0; }
  void dsTerminate(int32_t) override {}
  int32_t dsCreateDSB(int32_t, const void*, int32_t) override { return 0; }
  void dsFree(int32_t) override {}
  void dsPlay(int32_t) override {}
  void dsPlayLooping(int32_t) override {}
  void dsStop(int32_t) override {}
};

class NullLifecycle final : public Lifecycle {
 public:
  void terminate() override {}
};

// No engine at all: the engine levels stay greyed.
class NullEngineProcess final : public EngineProcess {
 public:
  void set_handlers(Handlers) override {}
  bool start(const std::string&) override { return false; }
  bool running() override { return false; }
  void send(std::string_view) override {}
  void stop() override {}
  void set_deadline(int) override {}
  bool wait(int) override { return false; }
};

class NullPromotionWindows final : public PromotionWindows {
 public:
  void show_modal(int, int, int) override {}
  void show(int, int, int) override {}
  void hide_all() override {}
  void show_selected(int, int, int, int) override {}
  void restore_button(int, int) override {}
  void unload(int) override {}
};

class NullVersionWindow final : public VersionWindow {
 public:
  void show_modal() override {}
};

// No lists and no fields: nothing typed, nothing chosen, every folder accepted.
class NullRecordPanel final : public RecordPanel {
 public:
  void set_lists_visible(bool, bool, bool) override {}
  void set_fields_visible(bool) override {}
  std::string text(PanelText) override { return {}; }
  void set_text(PanelText, std::string_view) override {}
  std::vector<std::string> drives() override { return {}; }
  std::string chosen_drive() override { return {}; }
  std::string folder() override { return {}; }
  bool set_folder(const std::string&) override { return true; }
  std::string file_folder() override { return {}; }
  void set_file_folder(const std::string&) override {}
  std::string chosen_file() override { return {}; }
  void refresh_files() override {}
  void show_games(const std::string&, std::vector<PgnGameEntry>) override {}
  std::string games_path() override { return {}; }
  const PgnGameEntry* chosen_game() override { return nullptr; }
  void mark_game(int, const std::string&) override {}
};

}  // namespace

struct NullPlatform {
  NullCanvas canvas;
  NullDialogs dialogs;
  NullClock clock;
  NullBrowser browser;
  NullWidgets widgets;
  NullSound sound;
  NullLifecycle lifecycle;
  NullEngineProcess engine;
  NullPromotionWindows chooser;
  NullVersionWindow version;
  NullRecordPanel panel;
  NullClipboard clipboard;
};

Platform::Platform()
    : nulls_(std::make_unique<NullPlatform>()),
      canvas(&nulls_->canvas),
      dialogs(&nulls_->dialogs),
      clock(&nulls_->clock),
      browser(&nulls_->browser),
      widgets(&nulls_->widgets),
      sound(&nulls_->sound),
      lifecycle(&nulls_->lifecycle),
      engine(&nulls_->engine),
      chooser(&nulls_->chooser),
      version(&nulls_->version),
      panel(&nulls_->panel),
      clipboard(&nulls_->clipboard) {}

Platform::~Platform() = default;
Platform::Platform(Platform&&) noexcept = default;
Platform& Platform::operator=(Platform&&) noexcept = default;

}  // namespace zarvo
