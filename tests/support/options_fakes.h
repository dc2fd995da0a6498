// Stand-ins for the settings and version-window tests.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "shell/version_window.h"

namespace zarvo::test {

// Makes a fresh empty directory the current one for the life of the object;
// the settings file lives in the current directory.
class ScratchDir {
 public:
  // enter: the test runs inside the folder until the helper goes.
  explicit ScratchDir(bool enter = true);
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  // Names of the entries, sorted.
  std::vector<std::string> names() const;

 private:
  std::string path_;
  std::string previous_;  // empty when the folder was not entered
};

// Raw bytes of a file in the current directory; "<missing>" when there is none.
std::string file_bytes(const std::string& name);
void write_bytes(const std::string& name, const std::string& bytes);
// Names in the current directory, sorted, joined by "|".
std::string directory_listing();

// Counts the times Form4 was shown and runs a probe while it is "open".
class RecordingVersionWindow final : public VersionWindow {
 public:
  void show_modal() override {
    ++shown;
    if (on_show) on_show();
  }
  int shown = 0;
  std::function<void()> on_show;
};

}  // namespace zarvo::test
