// The persistent canvas of the main window: a back buffer in twips of the
// client area, painted only by the game's drawing procedures. The drawing is
// kept as a list of steps and reaches the buffer when the buffer is next
// looked at, so a picture is painted once, at the size it is shown.
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QWidget>
#include <string>
#include <unordered_map>
#include <vector>

#include "display/board_scale.h"
#include "shell/platform.h"

namespace zarvo {

class QtCanvas final : public Canvas {
 public:
  explicit QtCanvas(qreal dpr = 1.0);

  void paint_picture(std::string_view name, double left, double top) override;
  void draw_box(double x1, double y1, double x2, double y2, int qb_colour) override;
  void fill_background(int qb_colour) override;
  void set_font_bold(bool bold) override;
  void set_font_size(double points) override;
  void set_fore_colour(int qb_colour) override;
  void set_text_position(double left, double top) override;
  void print(std::string_view text) override;
  void refresh() override;

  // The buffer with everything drawn so far.
  const QImage& image() const {
    paint_pending();
    return image_;
  }
  // The widget that shows the canvas; refresh() repaints it at once.
  void set_view(QWidget* view) { view_ = view; }

  // Paints everything drawn so far straight onto `painter`, a device of pixel
  // ratio 1 with its origin at the canvas's, as long as the buffer has not
  // been made: the window's first frame need not wait for a megabyte of fresh
  // memory. False, painting nothing, once there is a buffer or at another ratio.
  bool paint_without_buffer(QPainter& painter) const;
  // The buffer's size in device pixels, made or not.
  QSize device_size() const { return size_; }
  bool has_buffer() const { return !image_.isNull(); }

  // Twips to logical pixels at the start size (15 twips a pixel).
  static int px(double twips);

  // Gives the canvas the client area's size in logical pixels and the board's
  // scale, and paints everything shown so far again at that size: pictures and
  // texts are rendered afresh, never stretched.
  void set_geometry(QSize logical_size, const BoardScale& scale);
  const BoardScale& scale() const { return scale_; }
  // A position in logical pixels of the client area, in twips.
  QPointF to_twips(QPointF logical) const { return {scale_.to_twips(logical.x()), scale_.to_twips(logical.y())}; }
  // How many drawing steps are kept to paint the window again at another size.
  size_t kept_steps() const { return steps_.size(); }
  // The texts among them, as shown (translated), oldest first.
  QStringList texts() const;

 private:
  struct Step {
    enum Kind : unsigned char { Fill, Picture, Box, Text } kind = Fill;
    int colour = 0;
    bool opaque = false;  // an opaque picture hides what lies under it
    bool bold = false;
    double a = 0, b = 0, c = 0, d = 0;  // picture: left, top; box: corners; text: left, top
    double points = 0;
    std::string name;
    QString text;
    QRect reach;  // twips the step may paint, rounded outwards
    QRect cover;  // twips an opaque picture certainly paints, rounded inwards
  };
  struct Rendered {
    QImage image;
    bool opaque = false;
  };

  void add(Step step);
  void paint_pending() const;
  void paint(QPainter& painter, const Step& step, QSize area) const;
  void forget_hidden_steps();
  const Rendered& rendered(const std::string& name) const;
  QFont font_at(bool bold, double points, double device_per_twip) const;

  QSize size_;                  // of the buffer, in device pixels
  mutable QImage image_;        // made when first painted
  mutable size_t painted_ = 0;  // steps already in the buffer
  BoardScale scale_;
  QWidget* view_ = nullptr;
  bool bold_ = false;
  double points_ = 9;
  int fore_ = 0;
  double text_left_ = 0;
  double text_top_ = 0;
  std::vector<Step> steps_;
  size_t forget_at_ = 1024;
  mutable std::unordered_map<std::string, Rendered> rendered_;  // at the current scale
};

// The family of the window font: IPAPMincho, or another Japanese serif font.
QString window_font_family();
// Unhinted, the glyphs look the same at the sizes the window uses, and the
// font's large hinting tables (most of what is read of IPAPMincho) stay unread.
constexpr QFont::HintingPreference WINDOW_FONT_HINTING = QFont::PreferNoHinting;

}  // namespace zarvo
