// The persistent canvas of the main window: a back buffer in twips of the
// client area, painted only by the game's drawing procedures.
#pragma once

#include <QFont>
#include <QImage>
#include <QWidget>

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

  const QImage& image() const { return image_; }
  // The widget that shows the canvas; refresh() repaints it at once.
  void set_view(QWidget* view) { view_ = view; }

  // Twips to logical pixels of the back buffer.
  static int px(double twips);

 private:
  QImage image_;
  QWidget* view_ = nullptr;
  QFont font_;
  QColor fore_;
  double text_left_ = 0;
  double text_top_ = 0;
};

// The family of the window font: IPAPMincho, or another Japanese serif font.
QString window_font_family();

}  // namespace zarvo
