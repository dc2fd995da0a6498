#include "qt/sound.h"

#include "shell/sound_library/zarvo_sound.h"

namespace zarvo {
namespace {

class LibrarySound final : public SoundLibrary {
 public:
  // The library keeps 32-bit handles; the window handle is not used by it.
  int32_t dsInitialize(intptr_t window) override { return ::dsInitialize(static_cast<int32_t>(window)); }
  void dsTerminate(int32_t device) override { ::dsTerminate(device); }
  int32_t dsCreateDSB(int32_t device, const void* wav, int32_t flags) override {
    return ::dsCreateDSB(device, wav, flags);
  }
  void dsFree(int32_t id) override { ::dsFree(id); }
  void dsPlay(int32_t id) override { ::dsPlay(id); }
  void dsPlayLooping(int32_t id) override { ::dsPlayLooping(id); }
  void dsStop(int32_t id) override { ::dsStop(id); }
};

}  // namespace

std::unique_ptr<SoundLibrary> make_library_sound() { return std::make_unique<LibrarySound>(); }

}  // namespace zarvo
