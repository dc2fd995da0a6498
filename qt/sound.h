// The sound seam over our sound library.
#pragma once

#include <memory>

#include "shell/platform.h"

namespace zarvo {

// Forwards every call to the ds* functions of the zarvosound library.
std::unique_ptr<SoundLibrary> make_library_sound();

}  // namespace zarvo
