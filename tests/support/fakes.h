// Recording stand-ins for the platform seam, shared by the test suites.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "shell/app.h"

namespace zarvo::test {

// One canvas call, written as text, e.g. "picture B_PORN_1 1660 1410",
// "box 1660 740 2320 1410 12", "print ａ @1924,405 size 16 colour 0 bold".
class RecordingCanvas final : public Canvas {
 public:
  void paint_picture(std::string_view name, double left, double top) override;
  void draw_box(double x1, double y1, double x2, double y2, int qb_colour) override;
  void fill_background(int qb_colour) override;
  void set_font_bold(bool bold) override { bold_ = bold; }
  void set_font_size(double points) override { size_ = points; }
  void set_fore_colour(int qb_colour) override { colour_ = qb_colour; }
  void set_text_position(double left, double top) override { left_ = left, top_ = top; }
  void print(std::string_view text) override;
  void refresh() override { calls.push_back("refresh"); }

  struct Text {
    std::string text;
    double left, top, size;
    int colour;
    bool bold;
  };
  std::vector<std::string> calls;
  std::vector<Text> texts;
  void clear() { calls.clear(), texts.clear(); }
  // Every call that starts with the prefix.
  std::vector<std::string> matching(const std::string& prefix) const;

 private:
  bool bold_ = false;
  double size_ = 9, left_ = 0, top_ = 0;
  int colour_ = 0;
};

struct Message {
  std::string text, title;
  Buttons buttons;
  Icon icon;
};

// Answers message boxes from a script (Yes for YesNo boxes when the script is empty).
class ScriptedDialogs final : public Dialogs {
 public:
  Answer message_box(std::string_view text, std::string_view title, Buttons buttons, Icon icon) override;
  std::deque<Answer> script;
  std::vector<Message> messages;
  std::vector<std::string> texts() const;
};

// Time jumps instantly; every wait is recorded with its length.
class FakeClock final : public Clock {
 public:
  double timer() override { return now; }
  int wall_second() override { return static_cast<int>(now) % 60; }
  void idle() override { now += 0.01; }
  void wait_started(double seconds) override { waits.push_back(seconds); }
  double now = 1000.0;
  std::vector<double> waits;
};

class FakeWidgets final : public Widgets {
 public:
  void set_checked(std::string_view item, bool checked) override { marks[std::string(item)] = checked; }
  bool is_checked(std::string_view item) override { return marks[std::string(item)]; }
  void set_enabled(std::string_view item, bool on) override { enabled[std::string(item)] = on; }
  std::map<std::string, bool> marks;
  std::map<std::string, bool> enabled;
};

class FakeBrowser final : public Browser {
 public:
  bool open(const std::string& url) override {
    urls.push_back(url);
    return answer;
  }
  std::vector<std::string> urls;
  bool answer = true;
};

// Records every library call, e.g. "dsPlay 3"; hands out ids 1, 2, 3 ...
class RecordingSound final : public SoundLibrary {
 public:
  int32_t dsInitialize(intptr_t) override;
  void dsTerminate(int32_t device) override { calls.push_back("dsTerminate " + std::to_string(device)); }
  int32_t dsCreateDSB(int32_t device, const void* wav, int32_t flags) override;
  void dsFree(int32_t id) override { calls.push_back("dsFree " + std::to_string(id)); }
  void dsPlay(int32_t id) override { calls.push_back("dsPlay " + std::to_string(id)); }
  void dsPlayLooping(int32_t id) override { calls.push_back("dsPlayLooping " + std::to_string(id)); }
  void dsStop(int32_t id) override { calls.push_back("dsStop " + std::to_string(id)); }
  int32_t device = 100;
  int32_t next_id = 1;
  std::vector<std::string> calls;
};

struct ProgramEnded : std::runtime_error {
  ProgramEnded() : std::runtime_error("program ended") {}
};

// Ending the program unwinds the test's call instead of exiting.
class ThrowingLifecycle final : public Lifecycle {
 public:
  void terminate() override {
    ++count;
    throw ProgramEnded();
  }
  int count = 0;
};

// Counts the ends of the program and lets the caller go on; for window tests,
// where an exception must not unwind through Qt's event delivery.
class CountingLifecycle final : public Lifecycle {
 public:
  void terminate() override { ++count; }
  int count = 0;
};

// An App wired to all the fakes above.
struct TestApp {
  TestApp();
  std::unique_ptr<App> owned = std::make_unique<App>();
  App& app = *owned;
  RecordingCanvas canvas;
  ScriptedDialogs dialogs;
  FakeClock clock;
  FakeWidgets widgets;
  FakeBrowser browser;
  RecordingSound sound;
  ThrowingLifecycle lifecycle;
};

// Runs f as an ordinary user when the tests run as the super-user, whom no
// read permission stops.
void as_ordinary_user(const std::function<void()>& f);

// Builds a board from 8 strings, one per row from the top; each square is one
// character: "." empty, "pnbrqk" B side (upper), "PNBRQK" W side (lower).
Board board_from(const std::vector<std::string>& rows);
// Replaces the position and rescans the maps.
void set_position(App& app, const std::vector<std::string>& rows);

}  // namespace zarvo::test
