// Placeholder until the version window lands; this file is removed then.
#include "shell/qt_installers.h"

namespace zarvo {
void install_version_window(MainWindow&) {}
}  // namespace zarvo
