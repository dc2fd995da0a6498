// The yardstick for the game's start-up: the smallest Qt widget window that
// paints something, at the game window's size. tools/measure-startup.sh starts
// it in turn with the game and compares their first painted frames.
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class BareWindow final : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(0, 128, 0));
    // A second colour, so that the frame counts as painted.
    p.fillRect(QRect(110, 49, 352, 358), QColor(186, 107, 100));
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  BareWindow window;
  window.setWindowTitle(QStringLiteral("bare"));
  // The game's outer size of 9700 x 8000 twips at 15 twips a pixel.
  window.resize(646, 533);
  window.show();
  return application.exec();
}
