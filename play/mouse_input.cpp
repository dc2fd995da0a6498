#include "play/mouse_input.h"

#include "shell/app.h"

namespace zarvo {

void Form_MouseDown(App&, int, int, double, double) {}

}  // namespace zarvo
