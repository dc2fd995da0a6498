#include "tests/support/computer_fakes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "computer/search.h"
#include "display/display_state.h"
#include "records/move_record.h"
#include "rules/move_rules.h"

namespace zarvo::test {

void set_computer_game(App& app, const std::vector<std::string>& rows, int level) {
  GameState& g = app.game;
  app.pos.board = board_from(rows);
  g.lower_player = FIRST;
  g.upper_player = SECOND;
  g.turn = FIRST;
  g.game_kind = KIND_VS_COMPUTER;
  g.move_number = 0;
  g.record_length = 0;
  g.winner = NONE;
  app.com.level = level;
  record_move(app.record, app.pos.board, 0, 0, 0, 0, 0, 0);
  rescan(app.pos);
}

SearchLog run_search(App& app) {
  SearchLog log;
  log.found = search_computer_move(app.pos, app.com, [&](const Candidate& c) { log.candidates.push_back(c); });
  return log;
}

const Candidate* find_candidate(const SearchLog& log, int x1, int y1, int x2, int y2) {
  for (const Candidate& c : log.candidates)
    if (c.x1 == x1 && c.y1 == y1 && c.x2 == x2 && c.y2 == y2) return &c;
  return nullptr;
}

double candidate_score(App& app, int x1, int y1, int x2, int y2) {
  const SearchLog log = run_search(app);
  const Candidate* c = find_candidate(log, x1, y1, x2, y2);
  EXPECT_NE(c, nullptr) << "no candidate " << x1 << "," << y1 << " -> " << x2 << "," << y2;
  return c ? c->score : 0;
}

namespace {

// Twips back to grid units, to one decimal.
std::string grid(double left, double top) {
  std::ostringstream s;
  s << std::round((left - GRID_LEFT) / SQUARE_W * 10) / 10 << "," << std::round((top - GRID_TOP) / SQUARE_H * 10) / 10;
  return s.str();
}

}  // namespace

class Journal::CanvasTap final : public Canvas {
 public:
  CanvasTap(Canvas& inner, std::vector<std::string>& out) : inner_(inner), out_(out) {}
  void paint_picture(std::string_view name, double left, double top) override {
    inner_.paint_picture(name, left, top);
    out_.push_back("picture " + std::string(name) + " " + grid(left, top));
  }
  void draw_box(double x1, double y1, double x2, double y2, int qb_colour) override {
    inner_.draw_box(x1, y1, x2, y2, qb_colour);
    // The grid outline is the last thing draw_square paints on a square.
    out_.push_back(qb_colour == grid_colour ? "square " + grid(x1, y1)
                                            : "frame " + grid(x1, y1) + " colour " + std::to_string(qb_colour));
  }
  void fill_background(int qb_colour) override {
    inner_.fill_background(qb_colour);
    out_.push_back("fill " + std::to_string(qb_colour));
  }
  void set_font_bold(bool bold) override { inner_.set_font_bold(bold); }
  void set_font_size(double points) override {
    inner_.set_font_size(points);
    size_ = points;
  }
  void set_fore_colour(int qb_colour) override {
    inner_.set_fore_colour(qb_colour);
    colour_ = qb_colour;
  }
  void set_text_position(double left, double top) override {
    inner_.set_text_position(left, top);
    at_ = grid(left, top);
  }
  void print(std::string_view text) override {
    inner_.print(text);
    std::ostringstream s;
    s << "print " << text << " " << at_ << " colour " << colour_ << " size " << size_;
    out_.push_back(s.str());
  }
  void refresh() override {
    inner_.refresh();
    out_.push_back("refresh");
  }

 private:
  Canvas& inner_;
  std::vector<std::string>& out_;
  double size_ = 0;
  int colour_ = 0;
  std::string at_;
};

class Journal::DialogsTap final : public Dialogs {
 public:
  DialogsTap(Dialogs& inner, std::vector<std::string>& out) : inner_(inner), out_(out) {}
  Answer message_box(std::string_view text, std::string_view title, Buttons buttons, Icon icon) override {
    out_.push_back("message " + std::string(text) + " | " + std::string(title));
    return inner_.message_box(text, title, buttons, icon);
  }

 private:
  Dialogs& inner_;
  std::vector<std::string>& out_;
};

class Journal::ClockTap final : public Clock {
 public:
  ClockTap(Clock& inner, std::vector<std::string>& out) : inner_(inner), out_(out) {}
  double timer() override { return inner_.timer(); }
  int wall_second() override { return inner_.wall_second(); }
  void idle() override { inner_.idle(); }
  void wait_started(double seconds) override {
    inner_.wait_started(seconds);
    std::ostringstream s;
    s << "wait " << seconds;
    out_.push_back(s.str());
  }

 private:
  Clock& inner_;
  std::vector<std::string>& out_;
};

class Journal::SoundTap final : public SoundLibrary {
 public:
  SoundTap(SoundLibrary& inner, std::vector<std::string>& out) : inner_(inner), out_(out) {}
  int32_t dsInitialize(intptr_t window) override { return inner_.dsInitialize(window); }
  void dsTerminate(int32_t device) override { inner_.dsTerminate(device); }
  int32_t dsCreateDSB(int32_t device, const void* wav, int32_t flags) override {
    return inner_.dsCreateDSB(device, wav, flags);
  }
  void dsFree(int32_t id) override { inner_.dsFree(id); }
  void dsPlay(int32_t id) override {
    inner_.dsPlay(id);
    out_.push_back("dsPlay " + std::to_string(id));
  }
  void dsPlayLooping(int32_t id) override {
    inner_.dsPlayLooping(id);
    out_.push_back("dsPlayLooping " + std::to_string(id));
  }
  void dsStop(int32_t id) override {
    inner_.dsStop(id);
    out_.push_back("dsStop " + std::to_string(id));
  }

 private:
  SoundLibrary& inner_;
  std::vector<std::string>& out_;
};

Journal::Journal(TestApp& t)
    : canvas_(std::make_shared<CanvasTap>(t.canvas, events)),
      dialogs_(std::make_shared<DialogsTap>(t.dialogs, events)),
      clock_(std::make_shared<ClockTap>(t.clock, events)),
      sound_(std::make_shared<SoundTap>(t.sound, events)) {
  Platform& p = t.app.platform;
  p.canvas = canvas_.get();
  p.dialogs = dialogs_.get();
  p.clock = clock_.get();
  p.sound = sound_.get();
}

}  // namespace zarvo::test
