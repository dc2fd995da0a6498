#include "shell/translation.h"

#include <vector>

namespace zarvo {
namespace {

Translator* installed = nullptr;

}  // namespace

const char* language_code(Language language) { return language == Language::English ? "en" : "ja"; }

std::optional<Language> language_of_code(std::string_view code) {
  if (code == "ja") return Language::Japanese;
  if (code == "en") return Language::English;
  return std::nullopt;
}

Language language_of_locale(std::string_view name) {
  if (name.empty() || name == "C" || name == "POSIX" || name.starts_with("C.") || name.starts_with("ja"))
    return Language::Japanese;
  return Language::English;
}

void install_translator(Translator* translator) { installed = translator; }

void remove_translator(Translator* translator) {
  if (installed == translator) installed = nullptr;
}

std::string translate(const char* context, std::string_view source) {
  return installed ? installed->translate(context, source) : std::string(source);
}

void use_language(Language language) {
  if (installed) installed->use_language(language);
}

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
  const std::vector<std::string_view> v(values);
  std::string out;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const size_t n = static_cast<size_t>(pattern[i + 1] - '1');
      if (n < v.size()) {
        out += v[n];
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

}  // namespace zarvo
