#include "shell/sound.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>
#include <vector>

#include "shell/app.h"

namespace zarvo {
namespace {

// A wave image is handed over by address alone, so the library trusts the
// RIFF size in its header: refuse images whose header claims more than the file holds.
bool riff_fits(const std::vector<unsigned char>& bytes) {
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
    return false;
  const uint32_t riff_size = bytes[4] | bytes[5] << 8 | bytes[6] << 16 | static_cast<uint32_t>(bytes[7]) << 24;
  return static_cast<uint64_t>(riff_size) + 8 <= bytes.size();
}

}  // namespace

void show_warning(App& app, std::string_view text) {
  app.platform.dialogs->message_box(text, "Zarvoチェス.dll", Buttons::Ok, Icon::Exclamation);
}

void start_sound(App& app, intptr_t window) {
  app.sounds.sound_device = app.platform.sound->dsInitialize(window);
  if (app.sounds.sound_device == 0) show_warning(app, "Direct Soundインターフェースが作成できません。");
}

int32_t load_sound(App& app, const std::string& file_name, int32_t flags) {
  if (app.sounds.sound_device == 0) return 0;
  std::vector<unsigned char> bytes;
  try {
    // Only a plain file counts: a folder of that name is as good as no file.
    std::error_code ec;
    const std::filesystem::path path = std::filesystem::path(data_file(app.paths, file_name));
    if (!std::filesystem::is_regular_file(path, ec)) return 0;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (in) {
      const std::streamoff size = in.tellg();
      if (size > 0) {
        bytes.resize(static_cast<size_t>(size));
        in.seekg(0);
        in.read(reinterpret_cast<char*>(bytes.data()), size);
      }
    }
    if (!in) {
      show_warning(app, "サウンドファイル「" + file_name + "」が読めません。");
      return 0;
    }
  } catch (const std::bad_alloc&) {
    show_warning(app, "サウンドファイル「" + file_name + "」を読むメモリが足りません。");
    return 0;
  } catch (const std::exception&) {
    show_warning(app, "サウンドファイル「" + file_name + "」が読めません。");
    return 0;
  }
  if (bytes.empty()) {
    show_warning(app, "サウンドファイル「" + file_name + "」が空です。");
    return 0;
  }
  if (!riff_fits(bytes)) {
    show_warning(app, "サウンドファイル「" + file_name + "」は正しいWAVファイルではありません。");
    return 0;
  }
  // The library copies what it needs: the bytes go when this returns.
  return app.platform.sound->dsCreateDSB(app.sounds.sound_device, bytes.data(), flags);
}

void stop_sound(App& app) {
  if (app.sounds.sound_device != 0) app.platform.sound->dsTerminate(app.sounds.sound_device);
}

void play_sound(App& app, int32_t id) { app.platform.sound->dsPlay(id); }

}  // namespace zarvo
