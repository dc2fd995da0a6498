// The menu command 反転.
#pragma once

namespace zarvo {

struct App;

// Turns the position through 180 degrees; refused in record mode.
void REVERSE_Click(App& app);

}  // namespace zarvo
