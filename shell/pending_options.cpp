// Placeholders until the option menu, help and version window land; this file is removed then.
#include "shell/app.h"
#include "shell/help_version.h"
#include "shell/settings.h"

namespace zarvo {
void check_background_item(App&, int) {}
void MIDORI_Click(App&) {}
void TATAMI_Click(App&) {}
void TAKE_Click(App&) {}
void UCHU_Click(App&) {}
void RENGA_Click(App&) {}
void SIDOU_Click(App&) {}
void BGM_Click(App&) {}
void KAISETU_Click(App&) {}
void VER_Click(App&) {}
}  // namespace zarvo
