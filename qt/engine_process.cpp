#include "qt/engine_process.h"

#include <signal.h>
#include <sys/prctl.h>

#include <QElapsedTimer>

namespace zarvo {

QtEngineProcess::QtEngineProcess() {
  deadline_.setSingleShot(true);
  connect(&deadline_, &QTimer::timeout, this, [this] {
    if (handlers_.deadline) handlers_.deadline();
    if (after_) after_();
  });
}

QtEngineProcess::~QtEngineProcess() { stop(); }

bool QtEngineProcess::start(const std::string& program) {
  stop();
  process_ = new QProcess(this);
  process_->setProgram(QString::fromStdString(program));
  process_->setProcessChannelMode(QProcess::SeparateChannels);
  process_->setStandardErrorFile(QProcess::nullDevice());
  // The engine goes when the game goes, even when the game is killed.
  process_->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
  connect(process_, &QProcess::readyReadStandardOutput, this, &QtEngineProcess::read_output);
  connect(process_, &QProcess::finished, this, &QtEngineProcess::finished);
  ended_ = false;
  buffer_.clear();
  process_->start(QIODevice::ReadWrite);
  if (!process_->waitForStarted(3000)) {
    stop();
    return false;
  }
  return true;
}

bool QtEngineProcess::running() { return process_ && !ended_ && process_->state() == QProcess::Running; }

void QtEngineProcess::send(std::string_view line) {
  if (!running()) return;
  QByteArray bytes(line.data(), static_cast<qsizetype>(line.size()));
  bytes += '\n';
  process_->write(bytes);
}

void QtEngineProcess::stop() {
  deadline_.stop();
  buffer_.clear();
  ended_ = true;
  if (!process_) return;
  QProcess* p = process_;
  process_ = nullptr;
  p->disconnect(this);
  if (p->state() != QProcess::NotRunning) {
    p->kill();
    p->waitForFinished(2000);
  }
  p->deleteLater();
}

void QtEngineProcess::set_deadline(int ms) {
  if (ms > 0) {
    deadline_.start(ms);
  } else {
    deadline_.stop();
  }
}

void QtEngineProcess::read_output() {
  if (!process_) return;
  buffer_ += process_->readAllStandardOutput();
  // Handed over from the event loop, never inside QProcess's own signal: the
  // game may end the process or open a message box on what it reads.
  if (!delivery_queued_ && buffer_.contains('\n')) {
    delivery_queued_ = true;
    QMetaObject::invokeMethod(this, &QtEngineProcess::deliver, Qt::QueuedConnection);
  }
}

void QtEngineProcess::deliver() {
  delivery_queued_ = false;
  if (delivering_) return;
  delivering_ = true;
  bool any = false;
  for (;;) {
    const qsizetype nl = buffer_.indexOf('\n');
    if (nl < 0) break;
    QByteArray line = buffer_.left(nl);
    buffer_.remove(0, nl + 1);
    if (line.endsWith('\r')) line.chop(1);
    any = true;
    if (handlers_.line) handlers_.line(std::string_view(line.constData(), static_cast<size_t>(line.size())));
  }
  delivering_ = false;
  if (any && after_) after_();
}

void QtEngineProcess::finished() {
  if (ended_) return;
  // Whatever it said before it went comes first.
  if (process_) buffer_ += process_->readAllStandardOutput();
  deliver();
  if (ended_) return;
  ended_ = true;
  deadline_.stop();
  if (handlers_.ended) handlers_.ended();
  if (after_) after_();
}

bool QtEngineProcess::wait(int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < milliseconds) {
    if (buffer_.contains('\n')) {
      deliver();
      return true;
    }
    if (!process_ || ended_) return false;
    const int left = static_cast<int>(milliseconds - clock.elapsed());
    if (deadline_.isActive() && deadline_.remainingTime() <= 0) {
      deadline_.stop();
      if (handlers_.deadline) handlers_.deadline();
      return true;
    }
    const int slice = deadline_.isActive() ? std::min(left, std::max(1, deadline_.remainingTime())) : left;
    if (process_->waitForReadyRead(slice)) {
      buffer_ += process_->readAllStandardOutput();
    } else if (process_->state() == QProcess::NotRunning) {
      finished();
      return true;
    }
  }
  return false;
}

}  // namespace zarvo
