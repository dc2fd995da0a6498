#include "shell/settings_file.h"

#include "display/display_state.h"
#include "shell/text_encoding.h"

namespace zarvo {

constexpr std::string_view LANGUAGE_KEY = "言語";

const BackgroundItem BACKGROUNDS[5] = {
    {"MIDORI", "緑", TILE_MIDORI}, {"TAKE", "竹", TILE_TAKE},     {"TATAMI", "畳", TILE_TATAMI},
    {"UCHU", "宇宙", TILE_UCHU},   {"RENGA", "煉瓦", TILE_RENGA},
};

const BackgroundItem* background_of_kind(int kind) {
  for (const BackgroundItem& b : BACKGROUNDS)
    if (b.kind == kind) return &b;
  return nullptr;
}

SettingsFile parse_settings_file(std::string_view bytes) {
  SettingsFile s;
  size_t start = 0;
  // CR and LF are never part of a Shift-JIS character, so the lines are cut
  // from the bytes as they stand and a kept line is written back unchanged.
  while (start < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    const std::string_view raw = bytes.substr(start, end - start);
    start = end;
    if (start < bytes.size() && bytes[start] == '\r') ++start;
    if (start < bytes.size() && bytes[start] == '\n') ++start;
    if (raw.empty()) continue;

    // Bytes that are not Shift-JIS only spoil their own line, which then matches no key.
    const std::string line = cp932_to_utf8(raw);
    const size_t eq = line.find('=');
    const std::string_view key = eq == std::string::npos ? std::string_view() : std::string_view(line).substr(0, eq);
    const std::string_view value = eq == std::string::npos ? std::string_view() : std::string_view(line).substr(eq + 1);
    if (key == "背景画") {
      for (const BackgroundItem& b : BACKGROUNDS)
        if (value == b.value) s.background = b.kind;
    } else if (key == "移動指導") {
      s.guidance = value == "ON";
    } else if (key == "BGM") {
      s.music = value == "ON";
    } else if (key == WINDOW_SIZE_KEY) {
      s.window = parse_window_size(value);
    } else if (key == DRAW_RULES_KEY) {
      s.draw_rules = value == "ON";
    } else if (key == ENGINE_KEY) {
      s.engine = std::string(value);
    } else if (key == LANGUAGE_KEY) {
      if (const std::optional<Language> l = language_of_code(value)) s.language = l;
    } else {
      s.other_lines.emplace_back(raw);
    }
  }
  return s;
}

std::string write_settings_file(const SettingsFile& s) {
  std::string text;
  if (s.background) {
    if (const BackgroundItem* b = background_of_kind(*s.background)) text += std::string("背景画=") + b->value + "\r\n";
  }
  text += s.guidance.value_or(false) ? "移動指導=ON\r\n" : "移動指導=OFF\r\n";
  text += s.music.value_or(false) ? "BGM=ON\r\n" : "BGM=OFF\r\n";
  if (s.window) text += std::string(WINDOW_SIZE_KEY) + "=" + window_size_value(*s.window) + "\r\n";
  if (s.language) text += std::string(LANGUAGE_KEY) + "=" + language_code(*s.language) + "\r\n";
  if (s.draw_rules) text += std::string(DRAW_RULES_KEY) + (*s.draw_rules ? "=ON\r\n" : "=OFF\r\n");
  if (s.engine) text += std::string(ENGINE_KEY) + "=" + *s.engine + "\r\n";
  std::string image = utf8_to_cp932(text);
  for (const std::string& line : s.other_lines) {
    if (image.size() + line.size() + 2 > SETTINGS_FILE_MAX_BYTES) break;
    image += line + "\r\n";
  }
  return image;
}

}  // namespace zarvo
