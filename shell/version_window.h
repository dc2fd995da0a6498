// The version window Form4 as the game sees it, and the pages the help menu
// opens in the user's web browser.
#pragma once

#include <string>
#include <string_view>

namespace zarvo {

struct App;

// Form4: the title picture with "O K" and "ホームページ". The Qt shell puts one on
// the platform; without it the version command only plays its sound.
class VersionWindow {
 public:
  virtual ~VersionWindow() = default;
  // Shows Form4 modally and returns once it has been closed.
  virtual void show_modal() = 0;
};

constexpr int VERSION_PICTURE_W = 337;
constexpr int VERSION_PICTURE_H = 106;

// A "file://" address for an absolute path, every byte but letters, digits,
// "-._~" and "/" percent-encoded.
std::string file_url(std::string_view absolute_path);
// The help page beside the program.
std::string help_page_url(const App& app);
// Our home page; until the product has a web site, the help page's section about it.
std::string home_page_url(const App& app);
// The path of the help page in the language shown, for a player without a browser.
std::string help_page_file(const App& app);

}  // namespace zarvo
