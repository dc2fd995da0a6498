// Qt implementations of the dialogs, clock, browser and menu check marks.
#pragma once

#include <QAction>
#include <QHash>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "shell/platform.h"

namespace zarvo {

class QtDialogs final : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent) : parent_(parent) {}
  Answer message_box(std::string_view text, std::string_view title, Buttons buttons, Icon icon) override;
  std::string choose_program(std::string_view title) override;
  // The board view is brought up to date before a box covers the game.
  void set_view(QWidget* view) { view_ = view; }

 private:
  QPointer<QWidget> parent_;
  QPointer<QWidget> view_;
};

// Not final: window tests keep its idle() and speed up its time.
class QtClock : public Clock {
 public:
  double timer() override;
  int wall_second() override;
  void idle() override;
};

class QtBrowser final : public Browser {
 public:
  bool open(const std::string& url) override;
};

class QtClipboard final : public Clipboard {
 public:
  std::string text() override;
  void set_text(std::string_view text) override;
};

class QtWidgets final : public Widgets {
 public:
  void add(const QString& name, QAction* action) { actions_.insert(name, action); }
  QAction* action(std::string_view name) const;
  void set_checked(std::string_view item, bool checked) override;
  bool is_checked(std::string_view item) override;
  void set_enabled(std::string_view item, bool enabled) override;

 private:
  QHash<QString, QPointer<QAction>> actions_;
};

// The sound seam over our sound library: every call goes to the ds* functions
// of the zarvosound library.
std::unique_ptr<SoundLibrary> make_library_sound();

}  // namespace zarvo
