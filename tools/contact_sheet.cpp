// zarvo-contact-sheet: draws every picture of the game onto one PNG so the
// whole set can be looked over at once.
//
//     QT_QPA_PLATFORM=offscreen zarvo-contact-sheet sheet.png
//
// Rows: the 24 pieces at twice their size on both grounds, all pieces and
// empty squares at their own size, a board in the starting position, each
// background tile repeated 4x4 (and 2x2 at double size, to show seams), the
// logo and the version picture.

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdio>
#include <string>

#include "assets/picture_library.h"
#include "display/picture_names.h"

namespace {

constexpr int kMargin = 16;
constexpr int kSheetWidth = 1180;

QString label_of(const std::string& name) { return QString::fromStdString(name); }

class Sheet {
 public:
  explicit Sheet(QPainter& painter) : p_(painter) {}

  void heading(const QString& text) {
    y_ += 8;
    QFont f = p_.font();
    f.setPixelSize(18);
    f.setBold(true);
    p_.setFont(f);
    p_.setPen(QColor(30, 30, 30));
    p_.drawText(QPoint(kMargin, y_ + 18), text);
    y_ += 28;
  }

  // One picture drawn at `scale` times its size, with its name below.
  int cell(int x, const std::string& name, int scale, bool with_label = true) {
    const QSize logical = zarvo::picture_size(name);
    const QImage image = zarvo::load_picture(name, scale);
    const QRect target(QPoint(x, y_), logical * scale);
    p_.drawImage(target, image);
    if (with_label) {
      QFont f = p_.font();
      f.setPixelSize(10);
      f.setBold(false);
      p_.setFont(f);
      p_.setPen(QColor(40, 40, 40));
      p_.drawText(QRect(x - 8, y_ + target.height() + 2, target.width() + 16, 14), Qt::AlignHCenter, label_of(name));
    }
    return target.width();
  }

  // The tile painted `count` x `count` times at `scale`.
  int repeated(int x, const std::string& name, int count, int scale) {
    const QSize logical = zarvo::picture_size(name) * scale;
    const QImage image = zarvo::load_picture(name, scale);
    for (int r = 0; r < count; ++r) {
      for (int c = 0; c < count; ++c) {
        p_.drawImage(QRect(QPoint(x + c * logical.width(), y_ + r * logical.height()), logical), image);
      }
    }
    return logical.width() * count;
  }

  void board(int x) {
    const char* back_rank[] = {"ROOK", "KNIG", "BISH", "QEEN", "KING", "BISH", "KNIG", "ROOK"};
    for (int row = 0; row < 8; ++row) {
      for (int col = 0; col < 8; ++col) {
        const std::string ground = (row + col) % 2 == 0 ? "1" : "2";
        std::string name = "KARA_MASU" + ground;
        if (row == 0 || row == 7) {
          name = std::string(row == 0 ? "B_" : "W_") + back_rank[col] + "_" + ground;
        } else if (row == 1 || row == 6) {
          name = std::string(row == 1 ? "B_" : "W_") + "PORN_" + ground;
        }
        p_.drawImage(QPoint(x + col * 45, y_ + row * 45), zarvo::load_picture(name));
      }
    }
  }

  void next_row(int height) { y_ += height; }
  int y() const { return y_; }

 private:
  QPainter& p_;
  int y_ = kMargin;
};

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
    return 2;
  }

  QImage sheet(kSheetWidth, 1900, QImage::Format_RGB32);
  sheet.fill(QColor(214, 212, 206));
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  Sheet s(painter);

  s.heading(QStringLiteral("駒 (2倍)"));
  for (const char* ground : {"1", "2"}) {
    for (const char* colour : {"B", "W"}) {
      int x = kMargin;
      for (int kind = 1; kind <= 6; ++kind) {
        const char* piece = zarvo::PIECE_KIND_NAMES[kind];
        x += s.cell(x, std::string(colour) + "_" + piece + "_" + ground, 2) + 6;
      }
      s.next_row(90 + 18);
    }
  }

  s.heading(QStringLiteral("駒と空きマス (等倍)"));
  for (const char* ground : {"1", "2"}) {
    int x = kMargin;
    for (const char* colour : {"B", "W"}) {
      for (int kind = 1; kind <= 6; ++kind) {
        const char* piece = zarvo::PIECE_KIND_NAMES[kind];
        x += s.cell(x, std::string(colour) + "_" + piece + "_" + ground, 1, false);
      }
    }
    s.cell(x, std::string("KARA_MASU") + ground, 1, false);
    s.next_row(45 + 6);
  }

  s.heading(QStringLiteral("初期配置"));
  s.board(kMargin);
  const int board_top = s.y();
  s.next_row(8 * 45 + 10);

  s.heading(QStringLiteral("背景 (4x4 等倍 / 2x2 の2倍)"));
  {
    int x = kMargin;
    for (const char* tile : {"HAIKEI_MIDORI", "HAIKEI_TATAMI", "HAIKEI_TAKE", "HAIKEI_UCHU", "HAIKEI_RENGA"}) {
      s.repeated(x, tile, 4, 1);
      s.next_row(4 * 46 + 4);
      s.repeated(x, tile, 2, 2);
      s.next_row(-(4 * 46 + 4));
      painter.setPen(QColor(40, 40, 40));
      painter.drawText(QPoint(x, s.y() + 2 * (4 * 46 + 4) + 12), QString::fromLatin1(tile));
      x += 4 * 46 + 20;
    }
    s.next_row(2 * (4 * 46 + 4) + 20);
  }

  s.heading(QStringLiteral("ロゴ / バージョン情報"));
  {
    int x = kMargin;
    x += s.cell(x, "ZARVOCHESS", 1) + 16;
    x += s.cell(x, "ZARVOCHESS", 2) + 16;
    s.cell(x, "VERSION", 1);
    s.next_row(106 + 24);
    s.cell(kMargin, "VERSION", 2);
    s.next_row(2 * 106 + 24);
  }

  // The board sits left; put the logo and version picture beside it as they
  // would appear next to a real game.
  painter.drawImage(QPoint(kMargin + 8 * 45 + 30, board_top), zarvo::load_picture("ZARVOCHESS"));
  painter.end();

  const QImage cropped = sheet.copy(0, 0, kSheetWidth, s.y() + kMargin);
  if (!cropped.save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "could not write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
