// A scripted stand-in for the promotion chooser windows.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "display/display_state.h"
#include "game/mouse_input.h"
#include "game/promotion.h"
#include "shell/app.h"

namespace zarvo::test {

// show_modal presses the next scripted button (kind 1..6) of the shown window,
// running the window's own button event.
class ScriptedChooser final : public PromotionWindows {
 public:
  explicit ScriptedChooser(App& app) : app_(app) {}
  void show_modal(int form, int top, int left) override;
  void show(int form, int top, int left) override;
  void hide_all() override { calls.push_back("hide_all"); }
  void show_selected(int form, int kind, int left, int top) override;
  void restore_button(int form, int kind) override;
  void unload(int form) override { calls.push_back("unload " + std::to_string(form)); }
  std::deque<int> presses;
  std::vector<std::string> calls;

 private:
  App& app_;
};

// A click in the middle of board square (x, y).
inline void click_square(App& app, int x, int y, int button = MOUSE_LEFT) {
  Form_MouseDown(app, button, 0, grid_left(x) + SQUARE_W / 2.0, grid_top(y) + SQUARE_H / 2.0);
}

// Two clicks: the piece, then its destination.
inline void move_by_clicks(App& app, int fx, int fy, int tx, int ty, int button = MOUSE_LEFT) {
  click_square(app, fx, fy);
  click_square(app, tx, ty, button);
}

}  // namespace zarvo::test
