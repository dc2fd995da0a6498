#include "shell/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>

namespace zarvo {
namespace {

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now, so that a failing close (a full disk on some file systems) is seen.
  int close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

FileError error_of(int error) {
  switch (error) {
    case 0: return FileError::none;
    case ENOENT:
    case ENOTDIR: return FileError::not_found;
    case EISDIR:
    case ENXIO:
    case ENODEV: return FileError::not_a_file;
    case EACCES:
    case EPERM:
    case EROFS: return FileError::no_permission;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return FileError::no_space;
    case ENAMETOOLONG: return FileError::name_too_long;
    default: return FileError::failed;
  }
}

std::string folder_of(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The file a chain of symbolic links ends at; the end need not exist yet.
int follow_links(const std::string& path, std::string& target) {
  target = path;
  for (int hops = 0; hops < 40; ++hops) {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink(target.c_str(), buffer, sizeof buffer);
    if (n < 0) return errno == EINVAL || errno == ENOENT ? 0 : errno;
    if (static_cast<size_t>(n) == sizeof buffer) return ENAMETOOLONG;
    const std::string link(buffer, static_cast<size_t>(n));
    target = link.front() == '/' ? link : folder_of(target) + "/" + link;
  }
  return ELOOP;
}

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

// TEMP_FILE_PREFIX, digits, "-" and six characters: nothing else is taken for ours.
bool is_temp_file_name(std::string_view name) {
  if (name.substr(0, TEMP_FILE_PREFIX.size()) != TEMP_FILE_PREFIX) return false;
  name.remove_prefix(TEMP_FILE_PREFIX.size());
  const size_t dash = name.find('-');
  if (dash == 0 || dash == std::string_view::npos || dash > 9 || name.size() != dash + 7) return false;
  for (const char c : name.substr(0, dash))
    if (c < '0' || c > '9') return false;
  return true;
}

// A temporary file of ours that no save is writing any more: one that was
// killed between creating it and putting it in place. A writer holds a lock on
// its file from just after creating it until it is in place; the age covers
// that first instant. Process ids say nothing here: another PID namespace (a
// container, a sandbox) sharing the folder has the same ones.
bool is_stale_temp_file(int dir_fd, const char* name) {
  Fd fd(::openat(dir_fd, name, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY));
  if (fd.get() < 0) return false;
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  if (::time(nullptr) - st.st_mtime < TEMP_FILE_MIN_AGE_SECONDS) return false;
  return ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0;
}

void remove_stale_temp_files(const std::string& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir)) {
    if (is_temp_file_name(entry->d_name) && is_stale_temp_file(::dirfd(dir), entry->d_name))
      ::unlinkat(::dirfd(dir), entry->d_name, 0);
  }
  ::closedir(dir);
}

mode_t plain_file_mode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

FileError read_whole_file(const std::string& path, size_t max_bytes, std::string& bytes) {
  // Non-blocking, so that a pipe or device with the right name cannot hang the window.
  Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (fd.get() < 0) return error_of(errno);
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) return error_of(errno);
  if (!S_ISREG(st.st_mode)) return FileError::not_a_file;
  if (static_cast<unsigned long long>(st.st_size) > max_bytes) return FileError::too_big;
  std::string out;
  out.reserve(static_cast<size_t>(st.st_size));
  char buffer[65536];
  // The size may change while we read: the limit holds for what is read, not for what fstat said.
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return error_of(errno);
    if (n == 0) break;
    if (out.size() + static_cast<size_t>(n) > max_bytes) return FileError::too_big;
    out.append(buffer, static_cast<size_t>(n));
  }
  bytes = std::move(out);
  return FileError::none;
}

namespace {

// Copies the whole file at path onto fd.
int copy_file_into(const std::string& path, int fd) {
  Fd in(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (in.get() < 0) return errno;
  std::string buffer(1 << 20, '\0');
  while (true) {
    const ssize_t got = ::read(in.get(), buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return errno;
    if (got == 0) return 0;
    if (!write_all(fd, std::string_view(buffer.data(), static_cast<size_t>(got)))) return errno;
  }
}

// The file at path replaced by bytes, after its old contents when keep_old.
FileError write_file_in_one_step(const std::string& path, std::string_view bytes, bool keep_old) {
  std::string target;
  if (const int error = follow_links(path, target); error != 0) return error_of(error);
  mode_t mode = plain_file_mode();
  struct stat st {};
  if (::lstat(target.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode)) return FileError::not_a_file;
    // Write protection is the owner's word, even for a user whom the system would let through.
    if ((st.st_mode & 0222) == 0 || (::access(target.c_str(), W_OK) != 0 && errno == EACCES))
      return FileError::read_only;
    mode = st.st_mode & 07777;
  } else if (errno != ENOENT) {
    return error_of(errno);
  }

  const std::string folder = folder_of(target);
  remove_stale_temp_files(folder);
  std::string temp = folder + "/" + std::string(TEMP_FILE_PREFIX) + std::to_string(::getpid()) + "-XXXXXX";
  Fd fd(::mkostemp(temp.data(), O_CLOEXEC));
  if (fd.get() < 0) return error_of(errno);
  // Held until the file is in place, through a second descriptor that outlives
  // the checked close: no other copy's clean-up takes the file meanwhile.
  int error = ::flock(fd.get(), LOCK_EX) == 0 ? 0 : errno;
  Fd lock(error == 0 ? ::dup(fd.get()) : -1);
  if (error == 0 && lock.get() < 0) error = errno;
  if (error == 0 && ::fchmod(fd.get(), mode) != 0) error = errno;
  if (error == 0 && keep_old && ::access(target.c_str(), F_OK) == 0) error = copy_file_into(target, fd.get());
  if (error == 0 && (!write_all(fd.get(), bytes) || ::fsync(fd.get()) != 0)) error = errno;
  if (const int close_error = fd.close(); error == 0) error = close_error;
  if (error == 0 && ::rename(temp.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temp.c_str());
    return error_of(error);
  }
  // The new name is on disk too, not only the new bytes.
  Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
  return FileError::none;
}

}  // namespace

FileError replace_file(const std::string& path, std::string_view bytes) {
  return write_file_in_one_step(path, bytes, false);
}

FileError append_to_file(const std::string& path, std::string_view bytes) {
  return write_file_in_one_step(path, bytes, true);
}

bool file_exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace zarvo
