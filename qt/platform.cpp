#include "qt/platform.h"

#include <dlfcn.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTime>
#include <QUrl>
#include <cstdlib>
#include <string>
#include <vector>

#include "qt/translation.h"
#include "shell/sound_library/zarvo_sound.h"

namespace zarvo {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

Answer QtDialogs::message_box(std::string_view text, std::string_view title, Buttons buttons, Icon icon) {
  if (view_) view_->update();
  QMessageBox box(parent_);
  box.setWindowTitle(tr_text("Message", title));
  box.setText(tr_text("Message", text).replace(QChar('\r'), QChar('\n')));
  box.setIcon(icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
  QPushButton* yes = nullptr;
  QPushButton* no = nullptr;
  if (buttons == Buttons::OverwriteAppendCancel) {
    QPushButton* overwrite =
        box.addButton(QCoreApplication::translate("Message", "上書き"), QMessageBox::DestructiveRole);
    QPushButton* append = box.addButton(QCoreApplication::translate("Message", "追加"), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QCoreApplication::translate("Message", "キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(append);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == overwrite) return Answer::Overwrite;
    return box.clickedButton() == append ? Answer::Append : Answer::Cancel;
  }
  if (buttons == Buttons::YesNo) {
    yes = box.addButton(QCoreApplication::translate("Message", "はい"), QMessageBox::YesRole);
    no = box.addButton(QCoreApplication::translate("Message", "いいえ"), QMessageBox::NoRole);
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

std::string QtClipboard::text() { return QGuiApplication::clipboard()->text().toStdString(); }

void QtClipboard::set_text(std::string_view text) { QGuiApplication::clipboard()->setText(qs(text)); }

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

// The sound library, opened by name after the first frame.
namespace {

constexpr const char* LIBRARY_NAME = "libzarvosound.so";

// The folders the loader searches for the program's own libraries, its run
// path with $ORIGIN filled in among them. A name alone is looked up along the
// run path of the code calling dlopen, and under the sanitizers that is their
// runtime's interceptor, not the program.
std::vector<std::string> program_library_folders() {
  std::vector<std::string> folders;
  void* self = dlopen(nullptr, RTLD_NOW);
  if (!self) return folders;
  Dl_serinfo size{};
  if (dlinfo(self, RTLD_DI_SERINFOSIZE, &size) == 0) {
    if (auto* info = static_cast<Dl_serinfo*>(std::malloc(size.dls_size))) {
      if (dlinfo(self, RTLD_DI_SERINFOSIZE, info) == 0 && dlinfo(self, RTLD_DI_SERINFO, info) == 0)
        for (unsigned i = 0; i < info->dls_cnt; ++i) folders.emplace_back(info->dls_serpath[i].dls_name);
      std::free(info);
    }
  }
  dlclose(self);
  return folders;
}

void* open_sound_library() {
  for (const std::string& folder : program_library_folders()) {
    if (folder.empty()) continue;
    if (void* handle = dlopen((folder + "/" + LIBRARY_NAME).c_str(), RTLD_NOW | RTLD_LOCAL)) return handle;
  }
  return dlopen(LIBRARY_NAME, RTLD_NOW | RTLD_LOCAL);
}

// The library is loaded by name when the sound device is first asked for, after
// the window shows: the audio libraries under it are not needed for the first frame.
// Without the library there is no sound device, as on a machine without audio.
class LibrarySound final : public SoundLibrary {
 public:
  ~LibrarySound() override {
    if (handle_) dlclose(handle_);
  }

  // The library keeps 32-bit handles; the window handle is not used by it.
  int32_t dsInitialize(intptr_t window) override { return load() ? initialize_(static_cast<int32_t>(window)) : 0; }
  void dsTerminate(int32_t device) override {
    if (terminate_) terminate_(device);
  }
  int32_t dsCreateDSB(int32_t device, const void* wav, int32_t flags) override {
    return create_ ? create_(device, wav, flags) : 0;
  }
  void dsFree(int32_t id) override {
    if (free_) free_(id);
  }
  void dsPlay(int32_t id) override {
    if (play_) play_(id);
  }
  void dsPlayLooping(int32_t id) override {
    if (play_looping_) play_looping_(id);
  }
  void dsStop(int32_t id) override {
    if (stop_) stop_(id);
  }

 private:
  template <class F>
  void resolve(F*& f, const char* name) {
    f = reinterpret_cast<F*>(dlsym(handle_, name));
  }

  bool load() {
    if (!handle_) {
      // Found beside the program through its run path, or where the system keeps libraries.
      handle_ = open_sound_library();
      if (!handle_) return false;
      resolve(initialize_, "dsInitialize");
      resolve(terminate_, "dsTerminate");
      resolve(create_, "dsCreateDSB");
      resolve(free_, "dsFree");
      resolve(play_, "dsPlay");
      resolve(play_looping_, "dsPlayLooping");
      resolve(stop_, "dsStop");
    }
    return initialize_ && terminate_ && create_ && free_ && play_ && play_looping_ && stop_;
  }

  void* handle_ = nullptr;
  decltype(::dsInitialize)* initialize_ = nullptr;
  decltype(::dsTerminate)* terminate_ = nullptr;
  decltype(::dsCreateDSB)* create_ = nullptr;
  decltype(::dsFree)* free_ = nullptr;
  decltype(::dsPlay)* play_ = nullptr;
  decltype(::dsPlayLooping)* play_looping_ = nullptr;
  decltype(::dsStop)* stop_ = nullptr;
};

}  // namespace

std::unique_ptr<SoundLibrary> make_library_sound() { return std::make_unique<LibrarySound>(); }

}  // namespace zarvo
