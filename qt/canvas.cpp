#include "qt/canvas.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "assets/picture_library.h"
#include "display/display_state.h"

namespace zarvo {
namespace {

QColor palette_colour(int index) {
  const Rgb c = qb_color(index);
  return QColor(c.r, c.g, c.b);
}

}  // namespace

QString window_font_family() {
  static const QString family = [] {
    const QStringList families = QFontDatabase::families();
    for (const char* name : {"IPAPMincho", "IPAexMincho", "IPAMincho", "Noto Serif CJK JP", "IPAPGothic"}) {
      if (families.contains(QString::fromUtf8(name))) return QString::fromUtf8(name);
    }
    return QStringLiteral("serif");
  }();
  return family;
}

int QtCanvas::px(double twips) { return static_cast<int>(std::floor(twips / TWIPS_PER_PIXEL + 0.5)); }

QtCanvas::QtCanvas(qreal dpr)
    : image_(QSize(static_cast<int>(std::ceil(CLIENT_W / double(TWIPS_PER_PIXEL) * dpr)),
                   static_cast<int>(std::ceil(CLIENT_H / double(TWIPS_PER_PIXEL) * dpr))),
             QImage::Format_RGB32),
      font_(window_font_family()),
      fore_(Qt::black) {
  image_.setDevicePixelRatio(dpr);
  image_.fill(Qt::black);
  font_.setPixelSize(12);  // 9 points
  font_.setBold(false);
}

void QtCanvas::paint_picture(std::string_view name, double left, double top) {
  const QImage picture = load_picture(name, image_.devicePixelRatio());
  if (picture.isNull()) return;
  QPainter p(&image_);
  p.drawImage(QPoint(px(left), px(top)), picture);
}

void QtCanvas::draw_box(double x1, double y1, double x2, double y2, int qb_colour) {
  QPainter p(&image_);
  QPen pen(palette_colour(qb_colour));
  pen.setWidthF(1.0);
  pen.setCapStyle(Qt::SquareCap);
  p.setPen(pen);
  // Lines through pixel centres cover exactly the pixel rows and columns of the edges.
  const QRectF r(px(x1) + 0.5, px(y1) + 0.5, px(x2) - px(x1), px(y2) - px(y1));
  p.drawRect(r);
}

void QtCanvas::fill_background(int qb_colour) { image_.fill(palette_colour(qb_colour)); }

void QtCanvas::set_font_bold(bool bold) { font_.setBold(bold); }

void QtCanvas::set_font_size(double points) {
  // A point is 20 twips.
  font_.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 20.0 / TWIPS_PER_PIXEL))));
}

void QtCanvas::set_fore_colour(int qb_colour) { fore_ = palette_colour(qb_colour); }

void QtCanvas::set_text_position(double left, double top) {
  text_left_ = left;
  text_top_ = top;
}

void QtCanvas::print(std::string_view text) {
  const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  QPainter p(&image_);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(font_);
  p.setPen(fore_);
  const QFontMetricsF metrics(font_, &image_);
  // The text position is the top-left corner of the text, as on the original window.
  const QPointF baseline(text_left_ / TWIPS_PER_PIXEL, text_top_ / TWIPS_PER_PIXEL + metrics.ascent());
  p.drawText(baseline, s);
  // Like the window's own printing, the position moves to the start of the next line.
  text_left_ = 0;
  text_top_ += metrics.height() * TWIPS_PER_PIXEL;
}

void QtCanvas::refresh() {
  if (view_) view_->repaint();
}

}  // namespace zarvo
