// Values the human's move keeps between clicks.
#pragma once

namespace zarvo {

struct PlayState {
  int pick_x = 0;
  int pick_y = 0;
  int drop_x = 0;
  int drop_y = 0;
  int picked_piece = 0;
  int promotion_choice = 0;  // left by the promotion chooser
};

}  // namespace zarvo
