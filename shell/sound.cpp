#include "shell/sound.h"

#include <cstring>
#include <new>
#include <string_view>

#include "shell/app.h"
#include "shell/file_io.h"
#include "shell/sound_library/zarvo_sound.h"

namespace zarvo {
namespace {

// The RIFF header counts the size in 32 bits: no wave image is any longer.
constexpr size_t WAV_MAX_BYTES = size_t{0xFFFFFFFF} + 8;

// A wave image is handed over by address alone, so the library trusts the
// RIFF size in its header: refuse images whose header claims more than the file holds.
bool riff_fits(std::string_view bytes) {
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
    return false;
  const auto byte = [&](size_t i) { return static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])); };
  const uint32_t riff_size = byte(4) | byte(5) << 8 | byte(6) << 16 | byte(7) << 24;
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
  const std::string path = data_file(app.paths, file_name);
  std::string bytes;
  FileError error = FileError::none;
  try {
    error = read_whole_file(path, WAV_MAX_BYTES, bytes);
  } catch (const std::bad_alloc&) {
    show_warning(app, "サウンドファイル「" + file_name + "」を読むメモリが足りません。");
    return 0;
  }
  // Only a plain file counts: a folder of that name is as good as no file.
  if (error == FileError::not_found || error == FileError::not_a_file) return 0;
  if (error == FileError::too_big) {
    show_warning(app, "サウンドファイル「" + file_name + "」は正しいWAVファイルではありません。");
    return 0;
  }
  if (error != FileError::none) {
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
  // The library converts what it needs from the bytes, which go when this returns.
  return app.platform.sound->dsCreateDSB(app.sounds.sound_device, bytes.data(), flags);
}

void stop_sound(App& app) {
  if (app.sounds.sound_device != 0) app.platform.sound->dsTerminate(app.sounds.sound_device);
}

void play_piece_placed(App& app) { app.platform.sound->dsPlay(app.sounds.sound_piece); }
void play_forbidden(App& app) { app.platform.sound->dsPlay(app.sounds.sound_forbidden); }
void play_other(App& app) { app.platform.sound->dsPlay(app.sounds.sound_other); }
void start_music(App& app) { app.platform.sound->dsPlayLooping(app.sounds.sound_music); }
void stop_music(App& app) { app.platform.sound->dsStop(app.sounds.sound_music); }

void refuse(App& app, std::string_view text, std::string_view title) {
  play_forbidden(app);
  app.platform.dialogs->message_box(text, title, Buttons::Ok);
}

}  // namespace zarvo
