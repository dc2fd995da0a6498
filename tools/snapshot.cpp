// Renders the main window offscreen to a PNG after an optional script of menu
// commands and clicks, for looking at what the game draws.
//   zarvo-snapshot OUT.png [STEP ...]
// A step is a menu control name (SENTE, REVERSE, ...), click:X,Y[,right]
// with X and Y in twips, scale:S (the board view S times its start size), or
// chooser:black|white (a promotion chooser shown beside the board; it is
// drawn into the picture at its place). Message boxes are answered with OK / Yes.
#include <QApplication>
#include <QDialog>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "game/mouse_input.h"
#include "game/promotion.h"
#include "qt/main_window.h"

namespace {

class AutoDialogs final : public zarvo::Dialogs {
 public:
  zarvo::Answer message_box(std::string_view text, std::string_view title, zarvo::Buttons buttons,
                            zarvo::Icon) override {
    std::fprintf(stderr, "message: [%.*s] %.*s\n", static_cast<int>(title.size()), title.data(),
                 static_cast<int>(text.size()), text.data());
    return buttons == zarvo::Buttons::YesNo ? zarvo::Answer::Yes : zarvo::Answer::Ok;
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: zarvo-snapshot OUT.png [STEP ...]\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  AutoDialogs dialogs;
  zarvo::PlatformOverrides overrides;
  overrides.dialogs = &dialogs;
  overrides.language = zarvo::system_language();
  zarvo::MainWindow window(overrides);
  window.show();
  for (int i = 2; i < argc; ++i) {
    const std::string step = argv[i];
    if (step.rfind("scale:", 0) == 0) {
      const double scale = std::atof(step.c_str() + 6);
      const QSize view = window.board_view()->size();
      const int chrome = window.height() - view.height();
      window.resize(static_cast<int>(view.width() / window.board_scale() * scale),
                    static_cast<int>(view.height() / window.board_scale() * scale) + chrome);
      QApplication::processEvents();
    } else if (step.rfind("chooser:", 0) == 0) {
      window.app().platform.chooser->show(step == "chooser:black" ? zarvo::FORM_BLACK : zarvo::FORM_WHITE, 1400, 50);
    } else if (step.rfind("click:", 0) == 0) {
      double x = 0, y = 0;
      char button[16] = "left";
      std::sscanf(step.c_str() + 6, "%lf,%lf,%15s", &x, &y, button);
      zarvo::Form_MouseDown(window.app(), std::string(button) == "right" ? zarvo::MOUSE_RIGHT : zarvo::MOUSE_LEFT, 0, x,
                            y);
    } else if (!window.trigger(step)) {
      std::fprintf(stderr, "unknown step: %s\n", step.c_str());
      return 2;
    }
  }
  QImage shot = window.grab().toImage();
  // Small windows shown beside the board, where they stand on the screen.
  QPainter painter(&shot);
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top == &window || !top->isVisible() || !qobject_cast<QDialog*>(top)) continue;
    painter.drawPixmap(top->pos() - window.pos(), top->grab());
  }
  painter.end();
  if (!shot.save(QString::fromLocal8Bit(argv[1]))) return 1;
  return 0;
}
