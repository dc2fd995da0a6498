// The platform seam: everything the game needs from the window system, the
// clock, the browser and the sound library. The Qt shell implements these;
// tests use fakes that record every call and answer dialogs from a script.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace zarvo {

// The persistent drawing surface of the main window, in twips of the client
// area. It keeps what was painted; nothing repaints by itself.
class Canvas {
 public:
  virtual ~Canvas() = default;
  // A picture of the program's resources at its own pixel size, top-left corner at (left, top).
  virtual void paint_picture(std::string_view name, double left, double top) = 0;
  // An unfilled box outline from (x1, y1) to (x2, y2), in a 16-colour palette index.
  virtual void draw_box(double x1, double y1, double x2, double y2, int qb_colour) = 0;
  // Paints the whole client area in one palette colour.
  virtual void fill_background(int qb_colour) = 0;
  // The window's text state; each value stays set until changed.
  virtual void set_font_bold(bool bold) = 0;
  virtual void set_font_size(double points) = 0;
  virtual void set_fore_colour(int qb_colour) = 0;
  virtual void set_text_position(double left, double top) = 0;
  // Prints UTF-8 text at the current text position in the current font and colour.
  virtual void print(std::string_view text) = 0;
  // Shows the canvas on screen now (before a pause).
  virtual void refresh() = 0;
};

// OverwriteAppendCancel: "上書き" / "追加" / "キャンセル" for saving into a collection.
enum class Buttons { Ok, YesNo, OverwriteAppendCancel };
enum class Icon { None, Exclamation };
enum class Answer { Ok, Yes, No, Overwrite, Append, Cancel };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A modal message box; the answer is the button pressed.
  virtual Answer message_box(std::string_view text, std::string_view title, Buttons buttons,
                             Icon icon = Icon::None) = 0;
  // A program file the player picks; empty when the chooser was cancelled.
  virtual std::string choose_program(std::string_view /*title*/) { return {}; }
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Seconds since midnight, with fractions; restarts at 0 at midnight.
  virtual double timer() = 0;
  // The second (0..59) of the wall-clock minute.
  virtual int wall_second() = 0;
  // One round of a wait loop: gives the processor away briefly without handling input.
  virtual void idle() = 0;
  // Told at the start of every wait, with its length in seconds (whole seconds for the
  // second-boundary wait); the real clock ignores it, the test clock records it.
  virtual void wait_started(double /*seconds*/) {}
};

class Browser {
 public:
  virtual ~Browser() = default;
  // Opens a page address in the user's web browser without waiting; false on failure.
  virtual bool open(const std::string& url) = 0;
};

// The desktop's clipboard, as UTF-8 text.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual std::string text() = 0;
  virtual void set_text(std::string_view text) = 0;
};

// Check marks of menu items, by the item's control name (MIDORI, SIDOU, LEVEL3 ...).
class Widgets {
 public:
  virtual ~Widgets() = default;
  virtual void set_checked(std::string_view item, bool checked) = 0;
  virtual bool is_checked(std::string_view item) = 0;
  // Greys an item out (false) or lets it be chosen again.
  virtual void set_enabled(std::string_view /*item*/, bool /*enabled*/) {}
};

// Our sound library, one method per library function the program calls.
class SoundLibrary {
 public:
  virtual ~SoundLibrary() = default;
  virtual int32_t dsInitialize(intptr_t window) = 0;
  virtual void dsTerminate(int32_t device) = 0;
  virtual int32_t dsCreateDSB(int32_t device, const void* wav, int32_t flags) = 0;
  virtual void dsFree(int32_t id) = 0;
  virtual void dsPlay(int32_t id) = 0;
  virtual void dsPlayLooping(int32_t id) = 0;
  virtual void dsStop(int32_t id) = 0;
};

// Ends the program at once (after the sound resources were released).
// Callers return right after it: a test's stand-in unwinds instead of exiting.
class Lifecycle {
 public:
  virtual ~Lifecycle() = default;
  virtual void terminate() = 0;
};

// A chess engine program run as a child process, talked to in text lines.
// What it says arrives through the handlers, from the event loop, so the
// window goes on while it thinks; stop() ends the process and no handler is
// called after it.
class EngineProcess {
 public:
  struct Handlers {
    std::function<void(std::string_view line)> line;  // one line, without its line end
    std::function<void()> ended;                      // the process ended by itself
    std::function<void()> deadline;                   // the time of set_deadline ran out
  };
  virtual ~EngineProcess() = default;
  virtual void set_handlers(Handlers handlers) = 0;
  // false when the program could not be started.
  virtual bool start(const std::string& program) = 0;
  virtual bool running() = 0;
  virtual void send(std::string_view line) = 0;
  virtual void stop() = 0;
  // Calls the deadline handler after this many milliseconds; 0 cancels.
  virtual void set_deadline(int milliseconds) = 0;
  // Waits up to this long for the next thing to hand to the handlers, for
  // callers without an event loop; false when nothing came.
  virtual bool wait(int milliseconds) = 0;
};

// Defined beside the code that uses them.
class PromotionWindows;
class VersionWindow;
class RecordPanel;
struct NullPlatform;

// Every member starts as an object of this platform's own that does nothing, so
// that an App works headless (tools, benchmarks); the Qt window and the tests
// point members at real or recording objects. Moving keeps the null objects.
struct Platform {
  Platform();
  ~Platform();
  Platform(Platform&&) noexcept;
  Platform& operator=(Platform&&) noexcept;

 private:
  std::unique_ptr<NullPlatform> nulls_;

 public:
  Canvas* canvas;
  Dialogs* dialogs;
  Clock* clock;
  Browser* browser;
  Widgets* widgets;
  SoundLibrary* sound;
  Lifecycle* lifecycle;
  EngineProcess* engine;
  PromotionWindows* chooser;
  VersionWindow* version;
  RecordPanel* panel;
  Clipboard* clipboard;
  intptr_t window_handle = 0;
};

}  // namespace zarvo
