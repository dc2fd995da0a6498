#include "records/record_storage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace zarvo {
namespace {

std::string write_error_text(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
    case EROFS: return "このﾌｫﾙﾀﾞには書き込めません";
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return "ﾃﾞｨｽｸの空きが足りないため書き込めません";
    case ENOENT:
    case ENOTDIR: return "保存先のﾌｫﾙﾀﾞが見つかりません";
    case EISDIR: return "同じ名前のﾌｫﾙﾀﾞがあるため書き込めません";
    case ENAMETOOLONG: return "ﾌｧｲﾙ名が長すぎます";
    default: return "棋譜ﾌｧｲﾙを書き込めませんでした";
  }
}

// A short-lived neighbour of the target; hidden, and short enough for any name.
std::string temporary_template(const std::string& folder) { return join_path(folder, ".zarvo-kifu-XXXXXX"); }

bool write_all(int fd, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

// What a plainly created file would get, or the mode of the file being replaced.
mode_t new_file_mode(const std::string& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::string join_path(const std::string& folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  std::string path = folder;
  if (path.back() != '/') path += '/';
  path += name;
  return path;
}

bool read_file_bytes(const std::string& path, size_t limit, std::string& bytes, std::string& error_message) {
  const char* const cannot_open = "棋譜ﾌｧｲﾙを開けません";
  // Non-blocking, so that a pipe or device with the right name cannot hang the window.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    error_message = cannot_open;
    return false;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    error_message = cannot_open;
    return false;
  }
  std::string out;
  char buffer[65536];
  while (out.size() <= limit) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      error_message = "棋譜ﾌｧｲﾙを読み込めませんでした";
      return false;
    }
    if (n == 0) break;
    out.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  if (out.size() > limit + 1) out.resize(limit + 1);
  bytes = std::move(out);
  return true;
}

std::string file_name_problem(std::string_view name) {
  for (const char ch : name) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c == '/' || c == '\\' || c < 0x20 || c == 0x7F) return "ﾌｧｲﾙ名に使えない文字（/ \\ や制御文字）が含まれています";
  }
  if (name.size() + RECORD_EXTENSION.size() > NAME_MAX) return "ﾌｧｲﾙ名が長すぎます";
  return {};
}

bool write_file_atomically(const std::string& folder, const std::string& file_name, std::string_view bytes,
                           std::string& error_message) {
  const std::string target = join_path(folder, file_name);
  std::string temp = temporary_template(folder);
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    error_message = write_error_text(errno);
    return false;
  }
  int error = 0;
  if (::fchmod(fd, new_file_mode(target)) != 0 || !write_all(fd, bytes) || ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temp.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temp.c_str());
    error_message = write_error_text(error);
    return false;
  }
  return true;
}

}  // namespace zarvo
