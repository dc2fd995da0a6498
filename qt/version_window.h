// Form4, the version window: the title picture, "ホームページ" and "O K".
#pragma once

#include <QDialog>
#include <QObject>

#include "shell/version_window.h"

class QLabel;
class QPushButton;

namespace zarvo {

class MainWindow;

class Form4 final : public QDialog {
  Q_OBJECT

 public:
  Form4(App& app, QWidget* parent);

  QLabel* picture() const { return picture_; }
  QPushButton* command1() const { return command1_; }
  QPushButton* command2() const { return command2_; }
  // Picture, font and buttons at the main window's board scale.
  void apply_scale(double scale);

 private:
  void Command1_Click();

  App& app_;
  QLabel* picture_ = nullptr;
  QPushButton* command1_ = nullptr;  // ホームページ
  QPushButton* command2_ = nullptr;  // O K
};

// Builds a fresh Form4 each time it is shown; a child of the main window.
class QtVersionWindow final : public QObject, public VersionWindow {
  Q_OBJECT

 public:
  explicit QtVersionWindow(MainWindow& window);
  void show_modal() override;

 private:
  MainWindow& window_;
};

}  // namespace zarvo
