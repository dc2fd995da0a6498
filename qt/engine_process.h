// The engine as a QProcess: its lines reach the game from the event loop.
#pragma once

#include <QObject>
#include <QProcess>
#include <QTimer>
#include <functional>

#include "shell/platform.h"

namespace zarvo {

class QtEngineProcess final : public QObject, public EngineProcess {
  Q_OBJECT

 public:
  QtEngineProcess();
  ~QtEngineProcess() override;
  void set_handlers(Handlers handlers) override { handlers_ = std::move(handlers); }
  bool start(const std::string& program) override;
  bool running() override;
  void send(std::string_view line) override;
  void stop() override;
  void set_deadline(int milliseconds) override;
  bool wait(int milliseconds) override;
  // Told after the game handled what the engine said, to show what it drew.
  void after_delivery(std::function<void()> f) { after_ = std::move(f); }

 private:
  void read_output();
  void deliver();
  void finished();

  Handlers handlers_;
  std::function<void()> after_;
  QProcess* process_ = nullptr;
  QTimer deadline_;
  QByteArray buffer_;
  bool ended_ = false;
  bool delivering_ = false;
  bool delivery_queued_ = false;
};

}  // namespace zarvo
