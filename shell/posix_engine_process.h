// An engine process for programs without an event loop (the match tool, the
// tests): pipes to a forked child, read when the caller waits.
#pragma once

#include <chrono>
#include <string>

#include "shell/platform.h"

namespace zarvo {

class PosixEngineProcess final : public EngineProcess {
 public:
  ~PosixEngineProcess() override;
  void set_handlers(Handlers handlers) override { handlers_ = std::move(handlers); }
  bool start(const std::string& program) override;
  bool running() override;
  void send(std::string_view line) override;
  void stop() override;
  void set_deadline(int milliseconds) override;
  bool wait(int milliseconds) override;

 private:
  // Hands one complete line or the end to the handlers; false when there was none.
  bool deliver_buffered();
  void reap();

  Handlers handlers_;
  int pid_ = -1;
  int to_child_ = -1;
  int from_child_ = -1;
  bool eof_ = false;
  bool end_told_ = false;
  std::string buffer_;
  bool deadline_set_ = false;
  std::chrono::steady_clock::time_point deadline_{};
};

}  // namespace zarvo
