// The game opens its sound library by name once its window shows. This test
// program is linked like the game, with the same run path, and must find the
// library the same way in every kind of build, sanitizers included.
#include <gtest/gtest.h>

#include <cstdlib>

#include "qt/platform.h"

namespace zarvo {
namespace {

TEST(SoundLibraryLoader, FindsTheLibraryThroughTheProgramsRunPath) {
  ::setenv("SDL_AUDIODRIVER", "dummy", 1);
  // Loaded to the end, as in the game, so that what the libraries under it
  // keep is named by the leak checker rather than lost with the unloaded code.
  static SoundLibrary* const sound = make_library_sound().release();
  const int32_t device = sound->dsInitialize(0);
  EXPECT_NE(device, 0) << "libzarvosound.so was not found beside the program";
  if (device != 0) sound->dsTerminate(device);
}

}  // namespace
}  // namespace zarvo
