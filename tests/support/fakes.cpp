#include "tests/support/fakes.h"

#include <unistd.h>

#include <sstream>
#include <stdexcept>

#include "rules/move_rules.h"

namespace zarvo::test {
namespace {

std::string num(double v) {
  std::ostringstream s;
  s << v;
  return s.str();
}

}  // namespace

void RecordingCanvas::paint_picture(std::string_view name, double left, double top) {
  calls.push_back("picture " + std::string(name) + " " + num(left) + " " + num(top));
}

void RecordingCanvas::draw_box(double x1, double y1, double x2, double y2, int qb_colour) {
  calls.push_back("box " + num(x1) + " " + num(y1) + " " + num(x2) + " " + num(y2) + " " + std::to_string(qb_colour));
}

void RecordingCanvas::fill_background(int qb_colour) { calls.push_back("fill " + std::to_string(qb_colour)); }

void RecordingCanvas::print(std::string_view text) {
  calls.push_back("print " + std::string(text) + " @" + num(left_) + "," + num(top_) + " size " + num(size_) +
                  " colour " + std::to_string(colour_) + (bold_ ? " bold" : ""));
  texts.push_back({std::string(text), left_, top_, size_, colour_, bold_});
}

std::vector<std::string> RecordingCanvas::matching(const std::string& prefix) const {
  std::vector<std::string> out;
  for (const auto& c : calls)
    if (c.rfind(prefix, 0) == 0) out.push_back(c);
  return out;
}

Answer ScriptedDialogs::message_box(std::string_view text, std::string_view title, Buttons buttons, Icon icon) {
  messages.push_back({std::string(text), std::string(title), buttons, icon});
  if (buttons == Buttons::Ok) return Answer::Ok;
  if (script.empty()) return Answer::Yes;
  const Answer a = script.front();
  script.pop_front();
  return a;
}

std::vector<std::string> ScriptedDialogs::texts() const {
  std::vector<std::string> out;
  for (const auto& m : messages) out.push_back(m.text);
  return out;
}

int32_t RecordingSound::dsInitialize(intptr_t) {
  calls.push_back("dsInitialize");
  return device;
}

int32_t RecordingSound::dsCreateDSB(int32_t dev, const void*, int32_t flags) {
  calls.push_back("dsCreateDSB " + std::to_string(dev) + " " + std::to_string(flags));
  return next_id++;
}

TestApp::TestApp() {
  Platform& p = app.platform;
  p.canvas = &canvas;
  p.dialogs = &dialogs;
  p.clock = &clock;
  p.widgets = &widgets;
  p.browser = &browser;
  p.sound = &sound;
  p.lifecycle = &lifecycle;
}

Board board_from(const std::vector<std::string>& rows) {
  Board b{};
  for (int y = 1; y <= 8 && y <= static_cast<int>(rows.size()); ++y) {
    const std::string& row = rows[y - 1];
    for (int x = 1; x <= 8 && x <= static_cast<int>(row.size()); ++x) {
      const char c = row[x - 1];
      int k = EMPTY;
      switch (c) {
        case 'p': k = B_PAWN; break;
        case 'n': k = B_KNIGHT; break;
        case 'b': k = B_BISHOP; break;
        case 'r': k = B_ROOK; break;
        case 'q': k = B_QUEEN; break;
        case 'k': k = B_KING; break;
        case 'P': k = W_PAWN; break;
        case 'N': k = W_KNIGHT; break;
        case 'B': k = W_BISHOP; break;
        case 'R': k = W_ROOK; break;
        case 'Q': k = W_QUEEN; break;
        case 'K': k = W_KING; break;
        default: break;
      }
      b[x][y] = k;
    }
  }
  return b;
}

void set_position(App& app, const std::vector<std::string>& rows) {
  app.pos.board = board_from(rows);
  rescan(app.pos);
}

void as_ordinary_user(const std::function<void()>& f) {
  if (::geteuid() != 0) return f();
  constexpr uid_t NOBODY = 65534;
  if (::setegid(NOBODY) != 0 || ::seteuid(NOBODY) != 0) throw std::runtime_error("cannot become an ordinary user");
  f();
  if (::seteuid(0) != 0 || ::setegid(0) != 0) throw std::runtime_error("cannot become the super-user again");
}

}  // namespace zarvo::test
