#include "game/promotion.h"

#include "shell/app.h"
#include "shell/waits.h"

namespace zarvo {

int selected_picture_top(int kind) {
  switch (kind) {
    case 5: return 840;   // queen
    case 3: return 1560;  // bishop
    case 2: return 2280;  // knight
    case 4: return 3000;  // rook
    case 1: return 3720;  // pawn
    default: return 0;
  }
}

namespace {

// The black window writes the upper army's codes, the white one the lower army's.
int form_code(int form, int kind) { return form == FORM_WHITE ? -kind : kind; }

}  // namespace

void promotion_button_click(App& app, int form, int kind) {
  app.play.promotion_choice = form_code(form, kind);
  PromotionWindows& w = *app.platform.chooser;
  w.show_selected(form, kind, SELECTED_LEFT, selected_picture_top(kind));
  wait_whole_seconds(app, 1);
  w.restore_button(form, kind);
  w.unload(form);
}

void promotion_king_click(App& app, int form) {
  app.play.promotion_choice = form_code(form, 6);
  app.platform.chooser->unload(form);
}

void choose_promotion(App& app, int piece) {
  const int form = app.game.colors_swapped == 0 ? FORM_BLACK : FORM_WHITE;
  app.platform.chooser->show(form, CHOOSER_TOP_OFFSET, CHOOSER_LEFT_OFFSET);
  wait_seconds(app, 1.5);
  for (const int kind : {B_QUEEN, B_PAWN, B_ROOK, B_BISHOP, B_KNIGHT}) {
    if (piece == kind) {
      promotion_button_click(app, form, kind);
      return;
    }
  }
  // Any other piece leaves the window shown until the next click on the board.
}

}  // namespace zarvo
