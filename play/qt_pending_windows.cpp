// Placeholder until the promotion chooser windows land; this file is removed then.
#include "shell/qt_installers.h"

namespace zarvo {
void install_promotion_windows(MainWindow&) {}
}  // namespace zarvo
