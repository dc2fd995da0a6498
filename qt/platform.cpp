#include "qt/platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTime>
#include <QUrl>

namespace zarvo {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

Answer QtDialogs::message_box(std::string_view text, std::string_view title, Buttons buttons, Icon icon) {
  if (view_) view_->update();
  QMessageBox box(parent_);
  box.setWindowTitle(qs(title));
  box.setText(qs(text).replace(QChar('\r'), QChar('\n')));
  box.setIcon(icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
  QPushButton* yes = nullptr;
  QPushButton* no = nullptr;
  if (buttons == Buttons::YesNo) {
    yes = box.addButton(QStringLiteral("はい"), QMessageBox::YesRole);
    no = box.addButton(QStringLiteral("いいえ"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
  } else {
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
  }
  box.exec();
  if (buttons == Buttons::YesNo) return box.clickedButton() == yes ? Answer::Yes : Answer::No;
  (void)no;
  return Answer::Ok;
}

std::string QtDialogs::choose_program(std::string_view title) {
  if (view_) view_->update();
  return QFileDialog::getOpenFileName(parent_, qs(title), QStringLiteral("/usr/games")).toStdString();
}

double QtClock::timer() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

int QtClock::wall_second() { return QTime::currentTime().second(); }

// The waits hold the game but let the windows paint what was drawn before
// them (the computer's promotion chooser, blinking, captions). Clicks, keys
// and the close button stay queued until the game's handler has returned.
void QtClock::idle() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  QThread::msleep(2);
}

bool QtBrowser::open(const std::string& url) { return QDesktopServices::openUrl(QUrl(QString::fromStdString(url))); }

QAction* QtWidgets::action(std::string_view name) const { return actions_.value(qs(name)).data(); }

void QtWidgets::set_checked(std::string_view item, bool checked) {
  if (QAction* a = action(item)) a->setChecked(checked);
}

void QtWidgets::set_enabled(std::string_view item, bool enabled) {
  if (QAction* a = action(item)) a->setEnabled(enabled);
}

bool QtWidgets::is_checked(std::string_view item) {
  QAction* a = action(item);
  return a && a->isChecked();
}

}  // namespace zarvo
