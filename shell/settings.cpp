#include "shell/settings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "display/board_drawing.h"
#include "display/marks.h"
#include "shell/app.h"
#include "shell/sound.h"
#include "shell/text_encoding.h"
#include "shell/window_size.h"

namespace zarvo {
namespace {

struct BackgroundItem {
  const char* item;
  const char* value;
  int kind;
};

// In the order the save routine looks for the checked item.
constexpr BackgroundItem BACKGROUNDS[] = {
    {"MIDORI", "緑", TILE_MIDORI}, {"TAKE", "竹", TILE_TAKE},       {"TATAMI", "畳", TILE_TATAMI},
    {"UCHU", "宇宙", TILE_UCHU},   {"RENGA", "煉瓦", TILE_RENGA},
};

const BackgroundItem* background_of_kind(int kind) {
  for (const BackgroundItem& b : BACKGROUNDS)
    if (b.kind == kind) return &b;
  return nullptr;
}

// What a settings file says. A key the file does not mention leaves its option as it was at start-up.
struct Settings {
  std::optional<int> background;
  std::optional<bool> guidance;
  std::optional<bool> music;
  std::optional<WindowSize> window = std::nullopt;
};

const Settings DEFAULTS{TILE_MIDORI, false, true};

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now, so that a failing close (a full disk on some file systems) is seen.
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// The whole file, or nothing when it is missing, not a plain file, or unreadable.
std::optional<std::string> read_bytes(const char* path) {
  Fd fd(::open(path, O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return std::nullopt;
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    bytes.append(buffer, static_cast<size_t>(n));
  }
  return bytes;
}

// Replaces the file as a whole: the new text goes to a temporary file that is
// renamed over the old one, so a crash or a full disk never leaves half a file.
bool replace_file(const char* path, const std::string& bytes) {
  const std::string temp = std::string(path) + "." + std::to_string(::getpid()) + ".tmp";
  Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666));
  if (fd.get() < 0) return false;
  bool ok = true;
  // Someone who made the file private keeps it private.
  struct stat old {};
  if (::stat(path, &old) == 0 && S_ISREG(old.st_mode)) ok = ::fchmod(fd.get(), old.st_mode & 07777) == 0;
  size_t done = 0;
  while (ok && done < bytes.size()) {
    const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = false;
      break;
    }
    done += static_cast<size_t>(n);
  }
  ok = ok && ::fsync(fd.get()) == 0;
  ok = fd.close() && ok;
  ok = ok && std::rename(temp.c_str(), path) == 0;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

// The settings of a file's text, or nothing when a line has no "=". Lines
// with other keys, and background values the program does not know, are skipped.
std::optional<Settings> parse_settings(std::string_view text) {
  Settings s;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    start = end;
    if (start < text.size() && text[start] == '\r') ++start;
    if (start < text.size() && text[start] == '\n') ++start;

    // A blank line says nothing; only a line with words and no "=" is broken.
    if (line.empty()) continue;
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    const std::string_view key = line.substr(0, eq);
    const std::string_view value = line.substr(eq + 1);
    if (key == "背景画") {
      for (const BackgroundItem& b : BACKGROUNDS)
        if (value == b.value) s.background = b.kind;
    } else if (key == "移動指導") {
      s.guidance = value == "ON";
    } else if (key == "BGM") {
      s.music = value == "ON";
    } else if (key == WINDOW_SIZE_KEY) {
      s.window = parse_window_size(value);
    }
  }
  return s;
}

std::optional<Settings> read_settings(const std::string& path) {
  const std::optional<std::string> bytes = read_bytes(path.c_str());
  if (!bytes) return std::nullopt;
  // Bytes that are not Shift-JIS only spoil their own line, which then matches no key.
  return parse_settings(cp932_to_utf8(*bytes));
}

std::string settings_text(const Settings& s) {
  std::string text;
  if (s.background) {
    if (const BackgroundItem* b = background_of_kind(*s.background)) text += std::string("背景画=") + b->value + "\r\n";
  }
  text += s.guidance.value_or(false) ? "移動指導=ON\r\n" : "移動指導=OFF\r\n";
  text += s.music.value_or(false) ? "BGM=ON\r\n" : "BGM=OFF\r\n";
  if (s.window) text += std::string(WINDOW_SIZE_KEY) + "=" + window_size_value(*s.window) + "\r\n";
  return utf8_to_cp932(text);
}

bool write_settings(const std::string& path, const Settings& s) { return replace_file(path.c_str(), settings_text(s)); }

// The options as the menu shows them.
Settings settings_from_marks(App& app) {
  Widgets& w = *app.platform.widgets;
  Settings s;
  for (const BackgroundItem& b : BACKGROUNDS) {
    if (w.is_checked(b.item)) {
      s.background = b.kind;
      break;
    }
  }
  s.guidance = w.is_checked("SIDOU");
  s.music = w.is_checked("BGM");
  s.window = app.options.window_size;
  return s;
}

void set_guidance(App& app, bool on) {
  app.platform.widgets->set_checked("SIDOU", on);
  app.game.guidance_on = on ? 1 : 0;
  app.options.guidance_colour = on ? QB_BRIGHT_WHITE : erase_colour;
}

// Only the last word of a file counts for each option, so music that a later
// line switches off is never started and left playing unchecked. At start-up
// the menu marks and values are all there is to do: the whole window is drawn
// right afterwards, and the music starts once the sounds are open.
void apply_settings(App& app, const Settings& s, bool music_may_be_playing, bool start_up = false) {
  if (s.window) app.options.window_size = s.window;
  if (s.background) {
    check_background_item(app, *s.background);
    if (!start_up) tile_background(app, *s.background);
    app.options.current_background = *s.background;
  }
  if (s.guidance) set_guidance(app, *s.guidance);
  if (s.music) {
    Widgets& w = *app.platform.widgets;
    const bool playing = music_may_be_playing && w.is_checked("BGM");
    w.set_checked("BGM", *s.music);
    if (*s.music && !playing && !start_up) start_music(app);
  }
}

void background_click(App& app, const char* item, int kind) {
  if (!app.platform.widgets->is_checked(item)) {
    check_background_item(app, kind);
    app.options.current_background = kind;
  }
  save_settings(app);
  redraw_all(app);
  app.platform.canvas->refresh();
}

}  // namespace

namespace {

void read_and_apply_settings(App& app, bool start_up) {
  const std::string path = settings_file(app.paths);
  if (const std::optional<Settings> s = read_settings(path)) {
    apply_settings(app, *s, false, start_up);
    return;
  }
  // Missing or broken: start from the defaults, and keep them in memory even
  // when the folder does not let us write them. Guidance "OFF" only clears its
  // menu mark here: guidance_on and the frame colour keep their start-up values.
  write_settings(path, DEFAULTS);
  Settings defaults = DEFAULTS;
  defaults.guidance.reset();
  apply_settings(app, defaults, false, start_up);
  app.platform.widgets->set_checked("SIDOU", false);
}

}  // namespace

void load_settings(App& app) { read_and_apply_settings(app, false); }

void load_settings_for_start_up(App& app) { read_and_apply_settings(app, true); }

void save_settings(App& app) {
  const std::string path = settings_file(app.paths);
  if (write_settings(path, settings_from_marks(app))) return;
  // When not even the defaults can be written, the options chosen stay as they are for this run.
  if (write_settings(path, DEFAULTS)) apply_settings(app, DEFAULTS, true);
}

void check_background_item(App& app, int kind) {
  Widgets& w = *app.platform.widgets;
  for (const BackgroundItem& b : BACKGROUNDS) w.set_checked(b.item, false);
  if (const BackgroundItem* b = background_of_kind(kind)) w.set_checked(b->item, true);
}

void MIDORI_Click(App& app) { background_click(app, "MIDORI", TILE_MIDORI); }
void TATAMI_Click(App& app) { background_click(app, "TATAMI", TILE_TATAMI); }
void TAKE_Click(App& app) { background_click(app, "TAKE", TILE_TAKE); }
void UCHU_Click(App& app) { background_click(app, "UCHU", TILE_UCHU); }
void RENGA_Click(App& app) { background_click(app, "RENGA", TILE_RENGA); }

void SIDOU_Click(App& app) {
  if (app.platform.widgets->is_checked("SIDOU")) {
    // Frames of a piece picked up before are wiped now, not at the next move.
    for (int x = 1; x <= BOARD_SIZE; ++x)
      for (int y = 1; y <= BOARD_SIZE; ++y) mark_square(app, erase_colour, x, y);
    app.platform.canvas->refresh();
    set_guidance(app, false);
  } else {
    set_guidance(app, true);
  }
  save_settings(app);
}

void BGM_Click(App& app) {
  Widgets& w = *app.platform.widgets;
  if (w.is_checked("BGM")) {
    w.set_checked("BGM", false);
    stop_music(app);
  } else {
    w.set_checked("BGM", true);
    start_music(app);
  }
  save_settings(app);
}

}  // namespace zarvo
