#include "shell/qt_sound.h"

namespace zarvo {

// Until the sound library is linked, the game stays silent.
std::unique_ptr<SoundLibrary> make_library_sound() {
  class Silent final : public SoundLibrary {
   public:
    int32_t dsInitialize(intptr_t) override { return 0; }
    void dsTerminate(int32_t) override {}
    int32_t dsCreateDSB(int32_t, const void*, int32_t) override { return 0; }
    void dsFree(int32_t) override {}
    void dsPlay(int32_t) override {}
    void dsPlayLooping(int32_t) override {}
    void dsStop(int32_t) override {}
  };
  return std::make_unique<Silent>();
}

}  // namespace zarvo
