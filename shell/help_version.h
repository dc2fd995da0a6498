// The help page in the web browser and the version window.
#pragma once

namespace zarvo {

struct App;

void KAISETU_Click(App& app);
void VER_Click(App& app);

}  // namespace zarvo
