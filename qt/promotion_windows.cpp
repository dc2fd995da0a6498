// The two promotion chooser windows: a column of piece pictures to click, each
// with a second picture that slides out when the piece is chosen.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QToolButton>
#include <array>
#include <cmath>
#include <memory>

#include "assets/picture_library.h"
#include "display/picture_names.h"
#include "game/promotion.h"
#include "qt/installers.h"
#include "qt/main_window.h"

namespace zarvo {
namespace {

constexpr int BUTTON_LEFT = 120;  // twips
constexpr int KING_TOP = 120;
constexpr int WINDOW_W = 1395;
constexpr int WINDOW_H = 4515;
constexpr int PIECE_PX = 45;

// Twips to logical pixels at the main window's board scale.
int px(int twips, double scale = 1.0) { return static_cast<int>(std::lround(twips * scale / TWIPS_PER_PIXEL)); }

// The picture of a piece as the window shows it, rendered at the size it is
// shown at; the selected picture is the same piece on the other ground, framed in yellow.
QPixmap piece_pixmap(int form, int kind, bool selected, double scale, qreal dpr) {
  const std::string name =
      std::string(form == FORM_BLACK ? "B_" : "W_") + PIECE_KIND_NAMES[kind] + (selected ? "_2" : "_1");
  const int side = static_cast<int>(std::lround(PIECE_PX * scale * dpr));
  QImage image = render_picture_at(name, QSize(side, side));
  if (selected && !image.isNull()) {
    QPainter p(&image);
    const double frame = 2 * scale * dpr;
    p.setPen(QPen(QColor(255, 255, 0), frame));
    p.drawRect(QRectF(frame / 2, frame / 2, side - frame, side - frame));
  }
  image.setDevicePixelRatio(dpr);
  return QPixmap::fromImage(image);
}

class ChooserDialog final : public QDialog {
 public:
  ChooserDialog(App& app, int form, QWidget* parent) : QDialog(parent), app_(app), form_(form) {
    // No close control: a choice is the only way out, so promotion_choice is never stale.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(title());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 128, 0));
    setPalette(pal);
    setAutoFillBackground(true);
    for (int kind = 1; kind <= 6; ++kind) {
      auto* b = new QToolButton(this);
      b->setObjectName(QString::fromUtf8(form == FORM_BLACK ? "B_" : "W_") + button_name(kind));
      b->setAutoRaise(true);
      if (kind == 6) {
        connect(b, &QToolButton::clicked, this, [this] { promotion_king_click(app_, form_); });
      } else {
        connect(b, &QToolButton::clicked, this, [this, kind] { promotion_button_click(app_, form_, kind); });
      }
      buttons_[kind] = b;
      if (kind == 6) continue;
      auto* s = new QLabel(this);
      s->setObjectName(b->objectName() + "_S");
      s->hide();
      selected_[kind] = s;
    }
    apply_scale(1.0);
  }

  // Sizes, places and pictures at the main window's board scale, so that the
  // chooser keeps its size beside the board.
  void apply_scale(double scale) {
    const qreal dpr = devicePixelRatioF();
    if (scale == scale_ && dpr == dpr_) return;
    scale_ = scale;
    dpr_ = dpr;
    setFixedSize(px(WINDOW_W, scale), px(WINDOW_H, scale));
    const int piece = px(PIECE_PX * TWIPS_PER_PIXEL, scale);
    for (int kind = 1; kind <= 6; ++kind) {
      QToolButton* b = buttons_[kind];
      b->setIcon(QIcon(piece_pixmap(form_, kind, false, scale, dpr)));
      b->setIconSize(QSize(piece, piece));
      b->setGeometry(px(BUTTON_LEFT, scale), px(kind == 6 ? KING_TOP : selected_picture_top(kind), scale),
                     piece + px(4 * TWIPS_PER_PIXEL, scale), piece + px(4 * TWIPS_PER_PIXEL, scale));
      if (kind == 6) continue;
      selected_[kind]->setPixmap(piece_pixmap(form_, kind, true, scale, dpr));
      selected_[kind]->setFixedSize(piece, piece);
    }
  }

  QString title() const {
    return form_ == FORM_BLACK ? QCoreApplication::translate("Promotion", " 黒")
                               : QCoreApplication::translate("Promotion", "  白");
  }

  static QString button_name(int kind) {
    static const char* const names[7] = {"", "PORN", "NIGT", "BISYO", "ROOK", "QEEN", "KING"};
    return QString::fromUtf8(names[kind]);
  }

  void show_selected(int kind, int left, int top) {
    if (kind < 1 || kind > 5) return;
    buttons_[kind]->hide();
    selected_[kind]->move(px(left, scale_), px(top, scale_));
    selected_[kind]->show();
    repaint();
  }

  void restore_button(int kind) {
    if (kind < 1 || kind > 5) return;
    buttons_[kind]->show();
    selected_[kind]->hide();
  }

  QToolButton* button(int kind) const { return buttons_[kind]; }

 protected:
  void changeEvent(QEvent* event) override {
    if (event->type() == QEvent::LanguageChange) setWindowTitle(title());
    QDialog::changeEvent(event);
  }
  void closeEvent(QCloseEvent* event) override { event->ignore(); }
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Escape) return;  // Escape would close without a choice
    QDialog::keyPressEvent(event);
  }

 private:
  App& app_;
  int form_;
  std::array<QToolButton*, 7> buttons_{};
  std::array<QLabel*, 7> selected_{};
  double scale_ = 0;
  qreal dpr_ = 0;
};

class QtPromotionWindows final : public PromotionWindows {
 public:
  explicit QtPromotionWindows(MainWindow& main) : main_(main) {}

  void show_modal(int form, int top, int left) override {
    ChooserDialog* d = dialog(form);
    place(d, top, left);
    d->exec();
  }

  void show(int form, int top, int left) override {
    ChooserDialog* d = dialog(form);
    place(d, top, left);
    d->show();
    d->repaint();
  }

  void hide_all() override {
    for (ChooserDialog* d : {black_, white_})
      if (d && (!d->isModal() || !d->isVisible())) d->hide();
  }

  void show_selected(int form, int kind, int left, int top) override { dialog(form)->show_selected(kind, left, top); }
  void restore_button(int form, int kind) override { dialog(form)->restore_button(kind); }

  void unload(int form) override {
    ChooserDialog* d = dialog(form);
    if (d->isModal() && d->isVisible()) {
      d->done(QDialog::Accepted);
    } else {
      d->hide();
    }
    d->setModal(false);
  }

  // Built when first shown: most games never promote, and the start-up should not wait for their pictures.
  ChooserDialog* dialog(int form) {
    ChooserDialog*& d = form == FORM_WHITE ? white_ : black_;
    if (!d) d = new ChooserDialog(main_.app(), form == FORM_WHITE ? FORM_WHITE : FORM_BLACK, &main_);
    return d;
  }

 private:
  // Beside the board at any size: the offsets from the main window grow with it.
  void place(ChooserDialog* d, int top, int left) {
    const double scale = main_.board_scale();
    d->apply_scale(scale);
    const QPoint origin = main_.frameGeometry().topLeft();
    d->move(origin.x() + px(left, scale), origin.y() + px(top, scale));
  }

  MainWindow& main_;
  ChooserDialog* black_ = nullptr;
  ChooserDialog* white_ = nullptr;
};

}  // namespace

void install_promotion_windows(MainWindow& window) {
  auto windows = std::make_unique<QtPromotionWindows>(window);
  window.app().platform.chooser = windows.get();
  // The windows live as long as the main window that owns their dialogs.
  QtPromotionWindows* raw = windows.release();
  QObject::connect(&window, &QObject::destroyed, [raw] { delete raw; });
}

}  // namespace zarvo
