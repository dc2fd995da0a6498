#include "qt/version_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "assets/picture_library.h"
#include "qt/canvas.h"
#include "qt/installers.h"
#include "qt/main_window.h"

namespace zarvo {

Form4::Form4(App& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName(QStringLiteral("Form4"));
  setWindowTitle(QStringLiteral("バージョン情報"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(QFont(window_font_family(), 10));

  picture_ = new QLabel(this);
  picture_->setObjectName(QStringLiteral("Picture1"));
  picture_->setPixmap(QPixmap::fromImage(load_picture("VERSION", devicePixelRatioF())));
  picture_->setFixedSize(VERSION_PICTURE_W, VERSION_PICTURE_H);

  command1_ = new QPushButton(QStringLiteral("ホームページ"), this);
  command1_->setObjectName(QStringLiteral("Command1"));
  command1_->setAutoDefault(false);
  command1_->setMinimumWidth(100);
  command2_ = new QPushButton(QStringLiteral("O K"), this);
  command2_->setObjectName(QStringLiteral("Command2"));
  command2_->setDefault(true);
  command2_->setMinimumWidth(100);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(command1_);
  buttons->addWidget(command2_);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(picture_);
  layout->addLayout(buttons);

  connect(command1_, &QPushButton::clicked, this, &Form4::Command1_Click);
  // "O K" unloads the window; so do the close box and Escape, through reject().
  connect(command2_, &QPushButton::clicked, this, &QDialog::accept);
}

// If the browser cannot be reached the window stays, so the player can try again or press O K.
void Form4::Command1_Click() {
  if (Form4_Command1_Click(app_)) accept();
}

QtVersionWindow::QtVersionWindow(MainWindow& window) : QObject(&window), window_(window) {}

void QtVersionWindow::show_modal() {
  Form4 form(window_.app(), &window_);
  form.exec();
}

void install_version_window(MainWindow& window) { window.app().platform.version = new QtVersionWindow(window); }

}  // namespace zarvo
