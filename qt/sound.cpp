#include "qt/sound.h"

#include <dlfcn.h>

#include "shell/sound_library/zarvo_sound.h"

namespace zarvo {
namespace {

// The library is loaded by name when the sound device is first asked for, after
// the window shows: the audio libraries under it are not needed for the first frame.
// Without the library there is no sound device, as on a machine without audio.
class LibrarySound final : public SoundLibrary {
 public:
  ~LibrarySound() override {
    if (handle_) dlclose(handle_);
  }

  // The library keeps 32-bit handles; the window handle is not used by it.
  int32_t dsInitialize(intptr_t window) override { return load() ? initialize_(static_cast<int32_t>(window)) : 0; }
  void dsTerminate(int32_t device) override {
    if (terminate_) terminate_(device);
  }
  int32_t dsCreateDSB(int32_t device, const void* wav, int32_t flags) override {
    return create_ ? create_(device, wav, flags) : 0;
  }
  void dsFree(int32_t id) override {
    if (free_) free_(id);
  }
  void dsPlay(int32_t id) override {
    if (play_) play_(id);
  }
  void dsPlayLooping(int32_t id) override {
    if (play_looping_) play_looping_(id);
  }
  void dsStop(int32_t id) override {
    if (stop_) stop_(id);
  }

 private:
  template <class F>
  void resolve(F*& f, const char* name) {
    f = reinterpret_cast<F*>(dlsym(handle_, name));
  }

  bool load() {
    if (!handle_) {
      // Found beside the program through its run path, or where the system keeps libraries.
      handle_ = dlopen("libzarvosound.so", RTLD_NOW | RTLD_LOCAL);
      if (!handle_) return false;
      resolve(initialize_, "dsInitialize");
      resolve(terminate_, "dsTerminate");
      resolve(create_, "dsCreateDSB");
      resolve(free_, "dsFree");
      resolve(play_, "dsPlay");
      resolve(play_looping_, "dsPlayLooping");
      resolve(stop_, "dsStop");
    }
    return initialize_ && terminate_ && create_ && free_ && play_ && play_looping_ && stop_;
  }

  void* handle_ = nullptr;
  decltype(::dsInitialize)* initialize_ = nullptr;
  decltype(::dsTerminate)* terminate_ = nullptr;
  decltype(::dsCreateDSB)* create_ = nullptr;
  decltype(::dsFree)* free_ = nullptr;
  decltype(::dsPlay)* play_ = nullptr;
  decltype(::dsPlayLooping)* play_looping_ = nullptr;
  decltype(::dsStop)* stop_ = nullptr;
};

}  // namespace

std::unique_ptr<SoundLibrary> make_library_sound() { return std::make_unique<LibrarySound>(); }

}  // namespace zarvo
