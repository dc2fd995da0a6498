#include "tests/support/play_fakes.h"

namespace zarvo::test {

void ScriptedChooser::show_modal(int form, int top, int left) {
  calls.push_back("show_modal " + std::to_string(form) + " " + std::to_string(top) + " " + std::to_string(left));
  if (presses.empty()) return;
  const int kind = presses.front();
  presses.pop_front();
  if (kind == 6) {
    promotion_king_click(app_, form);
  } else {
    promotion_button_click(app_, form, kind);
  }
}

void ScriptedChooser::show(int form, int top, int left) {
  calls.push_back("show " + std::to_string(form) + " " + std::to_string(top) + " " + std::to_string(left));
}

void ScriptedChooser::show_selected(int form, int kind, int left, int top) {
  calls.push_back("show_selected " + std::to_string(form) + " " + std::to_string(kind) + " " + std::to_string(left) +
                  " " + std::to_string(top));
}

void ScriptedChooser::restore_button(int form, int kind) {
  calls.push_back("restore_button " + std::to_string(form) + " " + std::to_string(kind));
}

}  // namespace zarvo::test
