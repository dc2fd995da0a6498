#include "tests/support/options_fakes.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace zarvo::test {

ScratchDir::ScratchDir(bool enter) {
  std::string pattern = (std::filesystem::temp_directory_path() / "zarvo-scratch-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
  if (enter) {
    previous_ = std::filesystem::current_path().string();
    std::filesystem::current_path(path_);
  }
}

std::vector<std::string> ScratchDir::names() const {
  std::vector<std::string> out;
  for (const auto& e : std::filesystem::directory_iterator(path_)) out.push_back(e.path().filename().string());
  std::sort(out.begin(), out.end());
  return out;
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  if (!previous_.empty()) std::filesystem::current_path(previous_, ec);
  // A test may have left the directory read-only.
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

std::string file_bytes(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  if (!in || std::filesystem::is_directory(name)) return "<missing>";
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void write_bytes(const std::string& name, const std::string& bytes) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string directory_listing() {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(".")) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  std::string out;
  for (const auto& n : names) out += (out.empty() ? "" : "|") + n;
  return out;
}

}  // namespace zarvo::test
