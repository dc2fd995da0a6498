// The game opens its sound library by name once its window shows. This test
// program is linked like the game, with the same run path, and must find the
// library the same way in every kind of build, sanitizers included.
#include <gtest/gtest.h>

#include <cstdlib>

#include "qt/sound.h"

namespace zarvo {
namespace {

TEST(SoundLibraryLoader, FindsTheLibraryThroughTheProgramsRunPath) {
  ::setenv("SDL_AUDIODRIVER", "dummy", 1);
  const std::unique_ptr<SoundLibrary> sound = make_library_sound();
  const int32_t device = sound->dsInitialize(0);
  EXPECT_NE(device, 0) << "libzarvosound.so was not found beside the program";
  if (device != 0) sound->dsTerminate(device);
}

}  // namespace
}  // namespace zarvo
