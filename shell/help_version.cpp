#include <filesystem>

#include "shell/app.h"
#include "shell/translation.h"
#include "shell/version_window.h"

namespace zarvo {
namespace {

constexpr std::string_view HELP_PAGE = "Zarvoチェス.htm";
constexpr std::string_view HOME_PAGE = "Zarvoチェス.htm#about";
// The same page for the English window.
constexpr std::string_view HELP_PAGE_EN = "ZarvoChess_en.htm";
constexpr std::string_view HOME_PAGE_EN = "ZarvoChess_en.htm#about";

bool english(const App& app) { return app.options.shown_language == Language::English; }

// A file beside the program, as an absolute path.
std::string program_file(const App& app, std::string_view file) {
  std::error_code ec;
  std::filesystem::path dir =
      app.program_dir.empty() ? std::filesystem::current_path(ec) : std::filesystem::path(app.program_dir);
  dir = std::filesystem::absolute(dir, ec);
  return (dir / std::filesystem::path(std::string(file))).string();
}

// A page beside the program, with an optional "#fragment", as a file address.
std::string page_url(const App& app, std::string_view page) {
  const size_t hash = page.find('#');
  std::string url = file_url(program_file(app, page.substr(0, hash)));
  if (hash != std::string_view::npos) url += page.substr(hash);
  return url;
}

}  // namespace

std::string file_url(std::string_view absolute_path) {
  static constexpr char HEX[] = "0123456789ABCDEF";
  std::string url = "file://";
  for (const char ch : absolute_path) {
    const unsigned char c = static_cast<unsigned char>(ch);
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                       c == '.' || c == '_' || c == '~' || c == '/';
    if (plain) {
      url += ch;
    } else {
      url += '%';
      url += HEX[c >> 4];
      url += HEX[c & 0x0F];
    }
  }
  return url;
}

std::string help_page_url(const App& app) { return page_url(app, english(app) ? HELP_PAGE_EN : HELP_PAGE); }

std::string home_page_url(const App& app) { return page_url(app, english(app) ? HOME_PAGE_EN : HOME_PAGE); }

std::string help_page_file(const App& app) { return program_file(app, english(app) ? HELP_PAGE_EN : HELP_PAGE); }

}  // namespace zarvo
