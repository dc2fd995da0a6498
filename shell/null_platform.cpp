#include "shell/platform.h"

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

}  // namespace

Lifecycle& null_lifecycle() {
  static NullLifecycle l;
  return l;
}
Canvas& null_canvas() {
  static NullCanvas c;
  return c;
}
Dialogs& null_dialogs() {
  static NullDialogs d;
  return d;
}
Clock& null_clock() {
  static NullClock c;
  return c;
}
Browser& null_browser() {
  static NullBrowser b;
  return b;
}
Widgets& null_widgets() {
  static NullWidgets w;
  return w;
}
SoundLibrary& null_sound_library() {
  static NullSound s;
  return s;
}

}  // namespace zarvo
