// Feeds arbitrary bytes to the settings file reader. Besides not crashing, a
// background it reports must be one of the five, and what the program writes
// for the options read must read back to the same options and the same image.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shell/settings_file.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The program never hands the reader more than this.
  if (size > zarvo::SETTINGS_FILE_MAX_BYTES) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const zarvo::SettingsFile s = zarvo::parse_settings_file(bytes);
  if (s.background) check(zarvo::background_of_kind(*s.background) != nullptr);

  const std::string image = zarvo::write_settings_file(s);
  const zarvo::SettingsFile again = zarvo::parse_settings_file(image);
  check(again.background == s.background);
  check(again.guidance.value_or(false) == s.guidance.value_or(false));
  check(again.music.value_or(false) == s.music.value_or(false));
  check(zarvo::write_settings_file(again) == image);
  return 0;
}
