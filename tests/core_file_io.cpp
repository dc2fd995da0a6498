#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <string>

#include "shell/file_io.h"
#include "tests/support/options_fakes.h"
#include "tests/support/record_fakes.h"

namespace zarvo {
namespace {

// The id of a process that has ended: its temporary files are leftovers.
pid_t ended_process() {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(0);
  ::waitpid(pid, nullptr, 0);
  return pid;
}

std::string temp_name(pid_t pid, const char* tail = "AbC123") {
  return std::string(TEMP_FILE_PREFIX) + std::to_string(pid) + "-" + tail;
}

TEST(ReadWholeFile, ReadsRegularFilesUpToTheLimitAndNothingElse) {
  test::ScratchDir folder{/*enter=*/false};
  test::write_file(folder.file("ten"), "0123456789");
  test::write_file(folder.file("empty"), "");
  ASSERT_EQ(::mkdir(folder.file("dir").c_str(), 0755), 0);
  ASSERT_EQ(::mkfifo(folder.file("fifo").c_str(), 0644), 0);
  ASSERT_EQ(::symlink("ten", folder.file("link").c_str()), 0);
  struct Row {
    std::string path;
    size_t limit;
    FileError error;
    const char* bytes;  // what is read, when it is
  };
  const Row rows[] = {
      {folder.file("ten"), 10, FileError::none, "0123456789"},
      {folder.file("ten"), 9, FileError::too_big, nullptr},
      {folder.file("empty"), 10, FileError::none, ""},
      {folder.file("link"), 10, FileError::none, "0123456789"},
      {folder.file("missing"), 10, FileError::not_found, nullptr},
      {folder.file("ten/below"), 10, FileError::not_found, nullptr},
      {folder.file("dir"), 10, FileError::not_a_file, nullptr},
      {folder.file("fifo"), 10, FileError::not_a_file, nullptr},  // would block a plain open
      {"/dev/zero", 10, FileError::not_a_file, nullptr},          // would never end
  };
  for (const Row& r : rows) {
    std::string bytes = "before";
    EXPECT_EQ(read_whole_file(r.path, r.limit, bytes), r.error) << r.path;
    EXPECT_EQ(bytes, r.bytes ? r.bytes : "before") << r.path;
  }
}

TEST(ReplaceFile, WritesThroughLinksKeepsModesAndLeavesNoTemporaryFile) {
  test::ScratchDir folder{/*enter=*/false};
  ASSERT_EQ(::mkdir(folder.file("real").c_str(), 0755), 0);
  test::write_file(folder.file("real/target"), "old");
  ASSERT_EQ(::chmod(folder.file("real/target").c_str(), 0640), 0);
  // Two links in a chain, the second one relative to its own folder.
  ASSERT_EQ(::symlink("real/target", folder.file("hop").c_str()), 0);
  ASSERT_EQ(::symlink(folder.file("hop").c_str(), folder.file("link").c_str()), 0);
  ASSERT_EQ(::symlink("real/new", folder.file("dangling").c_str()), 0);

  EXPECT_EQ(replace_file(folder.file("link"), "new"), FileError::none);
  EXPECT_EQ(test::read_bytes(folder.file("real/target")), "new");
  struct stat st {};
  ASSERT_EQ(::lstat(folder.file("link").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  ASSERT_EQ(::lstat(folder.file("real/target").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  // A link to a file not there yet makes the file where the link points.
  EXPECT_EQ(replace_file(folder.file("dangling"), "made"), FileError::none);
  EXPECT_EQ(test::read_bytes(folder.file("real/new")), "made");
  EXPECT_EQ(folder.names(), (std::vector<std::string>{"dangling", "hop", "link", "real"}));
  std::vector<std::string> in_real;
  for (const auto& e : std::filesystem::directory_iterator(folder.file("real"))) in_real.push_back(e.path().filename());
  std::sort(in_real.begin(), in_real.end());
  EXPECT_EQ(in_real, (std::vector<std::string>{"new", "target"}));
}

TEST(ReplaceFile, RefusesWhatItMustNotReplaceAndKeepsTheOldFile) {
  test::ScratchDir folder{/*enter=*/false};
  test::write_file(folder.file("protected"), "keep");
  ASSERT_EQ(::chmod(folder.file("protected").c_str(), 0444), 0);
  test::write_file(folder.file("closed"), "keep");
  ASSERT_EQ(::chmod(folder.file("closed").c_str(), 0), 0);
  ASSERT_EQ(::mkdir(folder.file("dir").c_str(), 0755), 0);
  ASSERT_EQ(::mkfifo(folder.file("fifo").c_str(), 0644), 0);
  ASSERT_EQ(::symlink("protected", folder.file("link").c_str()), 0);
  ASSERT_EQ(::symlink("loop", folder.file("loop").c_str()), 0);
  struct Row {
    const char* name;
    FileError error;
  };
  const Row rows[] = {
      {"protected", FileError::read_only}, {"closed", FileError::read_only}, {"link", FileError::read_only},
      {"dir", FileError::not_a_file},      {"fifo", FileError::not_a_file},  {"loop", FileError::failed},
      {"gone/file", FileError::not_found},
  };
  for (const Row& r : rows) EXPECT_EQ(replace_file(folder.file(r.name), "new"), r.error) << r.name;
  ::chmod(folder.file("closed").c_str(), 0644);
  EXPECT_EQ(test::read_bytes(folder.file("protected")), "keep");
  EXPECT_EQ(test::read_bytes(folder.file("closed")), "keep");
  EXPECT_EQ(folder.names(), (std::vector<std::string>{"closed", "dir", "fifo", "link", "loop", "protected"}));
}

// Another process holding the writer's lock on a file until the object goes.
class LockHolder {
 public:
  explicit LockHolder(const std::string& path) {
    int ready[2], release[2];
    if (::pipe(ready) != 0 || ::pipe(release) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(release[1]);  // the parent's closing it is the signal to go
      const int fd = ::open(path.c_str(), O_RDWR);
      char c = fd >= 0 && ::flock(fd, LOCK_EX) == 0 ? 'y' : 'n';
      (void)!::write(ready[1], &c, 1);
      (void)!::read(release[0], &c, 1);
      ::_exit(0);
    }
    ::close(ready[1]);
    ::close(release[0]);
    release_ = release[1];
    char c = 'n';
    locked_ = ::read(ready[0], &c, 1) == 1 && c == 'y';
    ::close(ready[0]);
  }
  ~LockHolder() {
    ::close(release_);
    ::waitpid(pid_, nullptr, 0);
  }
  bool locked() const { return locked_; }

 private:
  pid_t pid_ = -1;
  int release_ = -1;
  bool locked_ = false;
};

void make_old(const std::string& path) {
  const timespec two_minutes_ago[2] = {{::time(nullptr) - 120, 0}, {::time(nullptr) - 120, 0}};
  ::utimensat(AT_FDCWD, path.c_str(), two_minutes_ago, 0);
}

TEST(ReplaceFile, RemovesTheLeftoversOfAKilledSaveOnly) {
  test::ScratchDir folder{/*enter=*/false};
  // Old and locked by no one, whatever process id the name carries.
  const std::vector<std::string> leftovers = {temp_name(ended_process()), temp_name(::getpid(), "zZ9yY8")};
  // A save still writing (locked; its process id may be ours in another PID
  // namespace), one just created and not yet locked, names that only look
  // alike, the user's own file.
  const std::string writing = temp_name(::getpid(), "wR1t3s");
  const std::string just_made = temp_name(ended_process(), "n3wOne");
  const std::vector<std::string> kept = {writing, just_made, std::string(TEMP_FILE_PREFIX) + "notes",
                                         temp_name(ended_process(), "toolong7"), "対局.棋譜"};
  for (const std::string& name : leftovers) test::write_file(folder.file(name), "half");
  for (const std::string& name : kept) test::write_file(folder.file(name), "mine");
  for (const std::string& name : folder.names())
    if (name != just_made) make_old(folder.file(name));
  const LockHolder writer(folder.file(writing));
  ASSERT_TRUE(writer.locked());

  EXPECT_EQ(replace_file(folder.file("対局.棋譜"), "new"), FileError::none);
  std::vector<std::string> expected = kept;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(folder.names(), expected);
  EXPECT_EQ(test::read_bytes(folder.file("対局.棋譜")), "new");
}

// Saves by a copy of the game that is process 1 of a PID namespace of its
// own; exits with the number of saves that failed (at most 255).
[[noreturn]] void save_in_own_pid_namespace(const std::string& path, int saves) {
  if (::unshare(CLONE_NEWPID) != 0) ::_exit(255);
  const pid_t pid = ::fork();
  if (pid == 0) {
    int failed = 0;
    for (int i = 0; i < saves; ++i)
      if (replace_file(path, "save " + std::to_string(i)) != FileError::none) ++failed;
    ::_exit(std::min(failed, 254));
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  ::_exit(WIFEXITED(status) ? WEXITSTATUS(status) : 255);
}

TEST(ReplaceFile, TwoCopiesInTwoPidNamespacesNeverTakeEachOthersSave) {
  // Both copies are process 1 in their own namespace, so their temporary files
  // carry the same process id in one folder.
  if (::geteuid() != 0) GTEST_SKIP() << "new PID namespaces need root";
  test::ScratchDir folder{/*enter=*/false};
  constexpr int SAVES = 400;
  pid_t copies[2];
  for (int i = 0; i < 2; ++i) {
    copies[i] = ::fork();
    if (copies[i] == 0) save_in_own_pid_namespace(folder.file(i == 0 ? "a.棋譜" : "b.棋譜"), SAVES);
  }
  for (const pid_t copy : copies) {
    int status = 0;
    ::waitpid(copy, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 255) GTEST_SKIP() << "no new PID namespace here";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "saves that failed";
  }
  EXPECT_EQ(test::read_bytes(folder.file("a.棋譜")), "save " + std::to_string(SAVES - 1));
  EXPECT_EQ(test::read_bytes(folder.file("b.棋譜")), "save " + std::to_string(SAVES - 1));
  EXPECT_EQ(folder.names(), (std::vector<std::string>{"a.棋譜", "b.棋譜"}));
}

}  // namespace
}  // namespace zarvo
