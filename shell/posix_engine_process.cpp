#include "shell/posix_engine_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <utility>

namespace zarvo {

PosixEngineProcess::~PosixEngineProcess() { stop(); }

bool PosixEngineProcess::start(const std::string& program) {
  stop();
  int in[2], out[2];
  if (pipe2(in, O_CLOEXEC) != 0) return false;
  if (pipe2(out, O_CLOEXEC) != 0) {
    close(in[0]), close(in[1]);
    return false;
  }
  // Reports exec's failure to the parent through a pipe closed by a successful exec.
  int status_pipe[2];
  if (pipe2(status_pipe, O_CLOEXEC) != 0) {
    close(in[0]), close(in[1]), close(out[0]), close(out[1]);
    return false;
  }
  const pid_t parent = getpid();
  const pid_t pid = fork();
  if (pid < 0) {
    close(in[0]), close(in[1]), close(out[0]), close(out[1]), close(status_pipe[0]), close(status_pipe[1]);
    return false;
  }
  if (pid == 0) {
    // The engine goes when the game goes, however the game ends.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(127);
    dup2(in[0], STDIN_FILENO);
    dup2(out[1], STDOUT_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    if (null >= 0) dup2(null, STDERR_FILENO);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    const int e = errno;
    (void)!write(status_pipe[1], &e, sizeof e);
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  close(status_pipe[1]);
  int exec_error = 0;
  const ssize_t n = read(status_pipe[0], &exec_error, sizeof exec_error);
  close(status_pipe[0]);
  to_child_ = in[1];
  from_child_ = out[0];
  pid_ = pid;
  eof_ = false;
  end_told_ = false;
  buffer_.clear();
  if (n > 0) {
    stop();
    return false;
  }
  fcntl(from_child_, F_SETFL, fcntl(from_child_, F_GETFL) | O_NONBLOCK);
  return true;
}

bool PosixEngineProcess::running() { return pid_ > 0 && !eof_; }

void PosixEngineProcess::send(std::string_view line) {
  if (to_child_ < 0) return;
  std::string text(line);
  text += '\n';
  // A child that has gone answers with EPIPE; the end shows up on the reading side.
  struct sigaction ignore {
  }, old{};
  ignore.sa_handler = SIG_IGN;
  sigaction(SIGPIPE, &ignore, &old);
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(to_child_, text.data() + done, text.size() - done);
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  sigaction(SIGPIPE, &old, nullptr);
}

void PosixEngineProcess::reap() {
  if (pid_ <= 0) return;
  int status = 0;
  if (waitpid(pid_, &status, WNOHANG) == 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, &status, 0);
  }
  pid_ = -1;
}

void PosixEngineProcess::stop() {
  if (to_child_ >= 0) close(to_child_);
  if (from_child_ >= 0) close(from_child_);
  to_child_ = from_child_ = -1;
  reap();
  eof_ = true;
  end_told_ = true;
  deadline_set_ = false;
  buffer_.clear();
}

void PosixEngineProcess::set_deadline(int ms) {
  deadline_set_ = ms > 0;
  deadline_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
}

bool PosixEngineProcess::deliver_buffered() {
  const size_t nl = buffer_.find('\n');
  if (nl != std::string::npos) {
    std::string line = buffer_.substr(0, nl);
    buffer_.erase(0, nl + 1);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (handlers_.line) handlers_.line(line);
    return true;
  }
  if (eof_ && !end_told_) {
    end_told_ = true;
    if (!buffer_.empty() && handlers_.line) handlers_.line(std::exchange(buffer_, {}));
    reap();
    if (handlers_.ended) handlers_.ended();
    return true;
  }
  return false;
}

bool PosixEngineProcess::wait(int milliseconds) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  for (;;) {
    if (deliver_buffered()) return true;
    const auto now = std::chrono::steady_clock::now();
    if (deadline_set_ && now >= deadline_) {
      deadline_set_ = false;
      if (handlers_.deadline) handlers_.deadline();
      return true;
    }
    if (now >= until || from_child_ < 0 || eof_) return false;
    auto limit = until;
    if (deadline_set_ && deadline_ < limit) limit = deadline_;
    const long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(limit - now).count() + 1;
    pollfd p{from_child_, POLLIN, 0};
    const int r = poll(&p, 1, static_cast<int>(ms > INT_MAX ? INT_MAX : ms));
    if (r < 0 && errno != EINTR) return false;
    if (r <= 0) continue;
    char chunk[4096];
    const ssize_t n = read(from_child_, chunk, sizeof chunk);
    if (n > 0) {
      buffer_.append(chunk, static_cast<size_t>(n));
    } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
      eof_ = true;
    }
  }
}

}  // namespace zarvo
