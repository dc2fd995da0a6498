// Placeholder until the record panel lands; this file is removed then.
#include "shell/qt_installers.h"

namespace zarvo {
void install_record_panel(MainWindow&) {}
}  // namespace zarvo
