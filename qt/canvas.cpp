#include "qt/canvas.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <array>
#include <cmath>
#include <set>

#include "assets/picture_library.h"
#include "display/display_state.h"
#include "qt/translation.h"

namespace zarvo {
namespace {

QColor palette_colour(int index) {
  const Rgb c = qb_color(index);
  return QColor(c.r, c.g, c.b);
}

// Twip rectangles for deciding which steps later ones hide. Rounded outwards,
// a rectangle holds every twip a step may touch; rounded inwards, only twips
// that are certainly painted.
QRect outer_twips(double x1, double y1, double x2, double y2) {
  const int l = static_cast<int>(std::floor(x1)), t = static_cast<int>(std::floor(y1));
  return QRect(l, t, static_cast<int>(std::ceil(x2)) - l, static_cast<int>(std::ceil(y2)) - t);
}
QRect inner_twips(double x1, double y1, double x2, double y2) {
  const int l = static_cast<int>(std::ceil(x1)), t = static_cast<int>(std::ceil(y1));
  return QRect(l, t, static_cast<int>(std::floor(x2)) - l, static_cast<int>(std::floor(y2)) - t);
}

// Frames and texts reach a little past their twip rectangle at small scales
// (a frame is at least one device pixel wide, glyphs are hinted per size).
constexpr double FRAME_SLACK = 75;
constexpr double TEXT_SLACK = 45;

// The same pixels read as opaque, so that drawing them is a plain copy: a
// premultiplied pixel with full alpha is already an RGB32 pixel. The source
// is kept alive with the view and nothing is copied.
QImage opaque_view(const QImage& source) {
  if (source.format() != QImage::Format_ARGB32_Premultiplied) return source.convertToFormat(QImage::Format_RGB32);
  auto* kept = new QImage(source);
  return QImage(
      kept->constBits(), kept->width(), kept->height(), kept->bytesPerLine(), QImage::Format_RGB32,
      [](void* image) { delete static_cast<QImage*>(image); }, kept);
}

bool hidden_by(const QRegion& covered, const QRect& reach) {
  return reach.isEmpty() || QRegion(reach).subtracted(covered).isEmpty();
}

// Paints in device pixels: the image's pixel ratio is set aside while the
// painter is open, so that nothing is scaled behind the canvas's back.
class DevicePainter {
 public:
  explicit DevicePainter(QImage& image) : image_(image), dpr_(image.devicePixelRatio()) {
    image_.setDevicePixelRatio(1.0);
    painter_.begin(&image_);
  }
  ~DevicePainter() {
    painter_.end();
    image_.setDevicePixelRatio(dpr_);
  }
  QPainter& operator*() { return painter_; }

 private:
  QImage& image_;
  qreal dpr_;
  QPainter painter_;
};

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
    : size_(static_cast<int>(std::ceil(CLIENT_W / double(TWIPS_PER_PIXEL) * dpr)),
            static_cast<int>(std::ceil(CLIENT_H / double(TWIPS_PER_PIXEL) * dpr))),
      scale_{1.0, dpr} {}

QFont QtCanvas::font_at(bool bold, double points, double device_per_twip) const {
  QFont font(window_font_family());
  font.setHintingPreference(WINDOW_FONT_HINTING);
  font.setBold(bold);
  // A point is 20 twips.
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 20.0 * device_per_twip))));
  return font;
}

void QtCanvas::set_geometry(QSize logical_size, const BoardScale& scale) {
  const QSize device(std::max(1, static_cast<int>(std::ceil(logical_size.width() * scale.dpr))),
                     std::max(1, static_cast<int>(std::ceil(logical_size.height() * scale.dpr))));
  if (scale == scale_ && device == size_) return;
  if (!(scale.scale == scale_.scale && scale.dpr == scale_.dpr)) rendered_.clear();
  scale_ = scale;
  size_ = device;
  // Everything is painted again at the new size when the buffer is next shown.
  image_ = QImage();
  painted_ = 0;
}

void QtCanvas::paint_pending() const {
  if (image_.size() != size_) {
    image_ = QImage(size_, QImage::Format_RGB32);
    image_.setDevicePixelRatio(scale_.dpr);
    painted_ = 0;
    // Before the first fill the window is black.
    if (steps_.empty() || steps_.front().kind != Step::Fill) image_.fill(Qt::black);
  }
  if (painted_ == steps_.size()) return;
  DevicePainter painter(image_);
  for (; painted_ < steps_.size(); ++painted_) paint(*painter, steps_[painted_], size_);
}

bool QtCanvas::paint_without_buffer(QPainter& painter) const {
  if (!image_.isNull() || scale_.dpr != 1.0 || painter.device()->devicePixelRatio() != 1.0) return false;
  painter.save();
  painter.setClipRect(QRect(QPoint(0, 0), size_), Qt::IntersectClip);
  for (const Step& step : steps_) paint(painter, step, size_);
  painter.restore();
  return true;
}

const QtCanvas::Rendered& QtCanvas::rendered(const std::string& name) const {
  auto it = rendered_.find(name);
  if (it != rendered_.end()) return it->second;
  Rendered r;
  const QSize size = picture_size(name);
  // Rounded up: the drawing is cut to the exact device rectangle of its twips.
  const double k = scale_.scale * scale_.dpr;
  const QSize pixels(static_cast<int>(std::ceil(size.width() * k - 1e-6)),
                     static_cast<int>(std::ceil(size.height() * k - 1e-6)));
  if (scale_.scale == 1.0) {
    // The start size shares the program-wide renders (one per screen pixel ratio).
    r.image = load_picture(name, scale_.dpr);
    r.image.setDevicePixelRatio(1.0);
  } else {
    r.image = render_picture_at(name, pixels);
  }
  // Whether a picture hides what is under it must not depend on the scale.
  r.opaque = picture_is_opaque(name);
  if (r.opaque && !r.image.isNull()) r.image = opaque_view(r.image);
  return rendered_.emplace(name, std::move(r)).first->second;
}

void QtCanvas::paint(QPainter& p, const Step& s, QSize area) const {
  switch (s.kind) {
    case Step::Fill: p.fillRect(QRect(QPoint(0, 0), area), palette_colour(s.colour)); break;
    case Step::Picture: {
      const int x0 = scale_.to_device(s.a), y0 = scale_.to_device(s.b);
      const int x1 = scale_.to_device(s.c), y1 = scale_.to_device(s.d);
      if (x0 >= area.width() || y0 >= area.height() || x1 <= 0 || y1 <= 0) break;
      const QImage& picture = rendered(s.name).image;
      if (picture.isNull()) break;
      p.drawImage(QPoint(x0, y0), picture,
                  QRect(0, 0, std::min(x1 - x0, picture.width()), std::min(y1 - y0, picture.height())));
      break;
    }
    case Step::Box: {
      // Neighbours share their edges: an edge lies on the same device pixels
      // whichever square draws it, so the last frame drawn decides its colour.
      const int w = scale_.line_width(), back = (w - 1) / 2;
      const int l = scale_.to_device(s.a) - back, t = scale_.to_device(s.b) - back;
      const int r = scale_.to_device(s.c) - back, b = scale_.to_device(s.d) - back;
      const QColor colour = palette_colour(s.colour);
      p.fillRect(QRect(l, t, r - l + w, w), colour);
      p.fillRect(QRect(l, b, r - l + w, w), colour);
      p.fillRect(QRect(l, t, w, b - t + w), colour);
      p.fillRect(QRect(r, t, w, b - t + w), colour);
      break;
    }
    case Step::Text: {
      const QFont font = font_at(s.bold, s.points, scale_.device_per_twip());
      const QFontMetricsF metrics(font);
      p.setRenderHint(QPainter::TextAntialiasing);
      p.setFont(font);
      p.setPen(palette_colour(s.colour));
      // Whole device pixels: a text and its shadow are rendered alike, so the shadow stays crisp.
      p.drawText(QPointF(scale_.to_device(s.a), scale_.to_device(s.b) + std::round(metrics.ascent())), s.text);
      break;
    }
  }
}

void QtCanvas::add(Step step) {
  steps_.push_back(std::move(step));
  if (steps_.size() >= forget_at_) {
    // What is already in the buffer must stay there; the list only gets shorter.
    paint_pending();
    forget_hidden_steps();
    painted_ = steps_.size();
    forget_at_ = std::max<size_t>(1024, 2 * steps_.size());
  }
}

// Drops the steps that later ones paint over completely at every scale, so
// that a long game does not make the redraw at a new size slower and slower.
void QtCanvas::forget_hidden_steps() {
  QRegion covered;
  std::set<std::array<double, 4>> later_boxes;
  std::vector<Step> kept;
  kept.reserve(steps_.size());
  for (auto it = steps_.rbegin(); it != steps_.rend(); ++it) {
    Step& s = *it;
    bool hidden = false;
    if (s.kind == Step::Box) {
      // A frame with the same corners covers exactly the same pixels.
      hidden = !later_boxes.insert({s.a, s.b, s.c, s.d}).second || hidden_by(covered, s.reach);
    } else if (s.kind != Step::Fill) {
      hidden = hidden_by(covered, s.reach);
    }
    if (s.kind == Step::Picture && s.opaque && !s.cover.isEmpty()) covered += s.cover;
    if (!hidden) kept.push_back(std::move(s));
  }
  std::reverse(kept.begin(), kept.end());
  steps_ = std::move(kept);
}

void QtCanvas::paint_picture(std::string_view name, double left, double top) {
  const QSize size = picture_size(name);
  if (size.isEmpty()) return;
  Step s;
  s.kind = Step::Picture;
  s.name = std::string(name);
  s.a = left;
  s.b = top;
  s.c = left + size.width() * double(TWIPS_PER_PIXEL);
  s.d = top + size.height() * double(TWIPS_PER_PIXEL);
  s.opaque = picture_is_opaque(name);
  s.reach = outer_twips(s.a, s.b, s.c, s.d);
  s.cover = inner_twips(s.a, s.b, s.c, s.d);
  add(std::move(s));
}

void QtCanvas::draw_box(double x1, double y1, double x2, double y2, int qb_colour) {
  Step s;
  s.kind = Step::Box;
  s.colour = qb_colour;
  s.a = x1;
  s.b = y1;
  s.c = x2;
  s.d = y2;
  s.reach = outer_twips(std::min(x1, x2) - FRAME_SLACK, std::min(y1, y2) - FRAME_SLACK, std::max(x1, x2) + FRAME_SLACK,
                        std::max(y1, y2) + FRAME_SLACK);
  add(std::move(s));
}

void QtCanvas::fill_background(int qb_colour) {
  // Nothing painted before can show through.
  steps_.clear();
  painted_ = 0;
  Step s;
  s.kind = Step::Fill;
  s.colour = qb_colour;
  add(std::move(s));
}

void QtCanvas::set_font_bold(bool bold) { bold_ = bold; }

void QtCanvas::set_font_size(double points) { points_ = points; }

void QtCanvas::set_fore_colour(int qb_colour) { fore_ = qb_colour; }

void QtCanvas::set_text_position(double left, double top) {
  text_left_ = left;
  text_top_ = top;
}

void QtCanvas::print(std::string_view text) {
  // The game's text position must not depend on the window's size: it is
  // measured with the font at the start size.
  const QFontMetricsF start(font_at(bold_, points_, 1.0 / TWIPS_PER_PIXEL));
  const double line = start.height() * TWIPS_PER_PIXEL;
  const QString s = tr_text("Board", text);
  if (!s.isEmpty()) {
    Step step;
    step.kind = Step::Text;
    step.colour = fore_;
    step.bold = bold_;
    step.points = points_;
    step.a = text_left_;
    step.b = text_top_;
    step.text = s;
    const double slack = TEXT_SLACK + line / 4;
    step.reach =
        outer_twips(text_left_ - slack, text_top_ - slack,
                    text_left_ + start.horizontalAdvance(s) * TWIPS_PER_PIXEL + slack, text_top_ + line + slack);
    add(std::move(step));
  }
  // Like the window's own printing, the position moves to the start of the next line.
  text_left_ = 0;
  text_top_ += line;
}

QStringList QtCanvas::texts() const {
  QStringList out;
  for (const Step& s : steps_)
    if (s.kind == Step::Text) out << s.text;
  return out;
}

void QtCanvas::refresh() {
  if (view_) view_->repaint();
}

}  // namespace zarvo
