#include "qt/version_window.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "assets/picture_library.h"
#include "game/program_commands.h"
#include "qt/canvas.h"
#include "qt/installers.h"
#include "qt/main_window.h"

namespace zarvo {

Form4::Form4(App& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName(QStringLiteral("Form4"));
  setWindowTitle(QCoreApplication::translate("Version", "バージョン情報"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

  picture_ = new QLabel(this);
  picture_->setObjectName(QStringLiteral("Picture1"));

  command1_ = new QPushButton(QCoreApplication::translate("Version", "ホームページ"), this);
  command1_->setObjectName(QStringLiteral("Command1"));
  command1_->setAutoDefault(false);
  command2_ = new QPushButton(QStringLiteral("O K"), this);
  command2_->setObjectName(QStringLiteral("Command2"));
  command2_->setDefault(true);
  apply_scale(1.0);

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

void Form4::apply_scale(double scale) {
  QFont font(window_font_family());
  font.setPointSizeF(10 * scale);
  setFont(font);
  const qreal dpr = devicePixelRatioF();
  const QSize shown(static_cast<int>(std::lround(VERSION_PICTURE_W * scale)),
                    static_cast<int>(std::lround(VERSION_PICTURE_H * scale)));
  // Rendered at the size it is shown at, so that the title stays sharp.
  QImage picture = render_picture_at("VERSION", shown * dpr);
  picture.setDevicePixelRatio(dpr);
  picture_->setPixmap(QPixmap::fromImage(picture));
  picture_->setFixedSize(shown);
  const int button_w = static_cast<int>(std::lround(100 * scale));
  command1_->setMinimumWidth(button_w);
  command2_->setMinimumWidth(button_w);
}

// If the browser cannot be reached the window stays, so the player can try again or press O K.
void Form4::Command1_Click() {
  if (Form4_Command1_Click(app_)) accept();
}

QtVersionWindow::QtVersionWindow(MainWindow& window) : QObject(&window), window_(window) {}

void QtVersionWindow::show_modal() {
  Form4 form(window_.app(), &window_);
  form.apply_scale(window_.board_scale());
  form.exec();
}

void install_version_window(MainWindow& window) { window.app().platform.version = new QtVersionWindow(window); }

}  // namespace zarvo
