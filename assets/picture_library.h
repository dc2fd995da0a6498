// Pictures of Zarvo チェス: pieces, board squares, background tiles, logo and
// version picture.  The pictures are SVG files compiled into the program as
// Qt resources (":/pictures/<NAME>.svg").  Each one is also rendered at device
// pixel ratio 1 while the program is built, and those pixels are compiled in
// too: the window nearly always asks for ratio 1, and gets them without any
// SVG work at start-up.  Other ratios and sizes are rendered from the SVG on
// demand, so the pictures stay sharp on any screen and at any window size.
//
// For Qt code only: this header pulls in QtGui.
#pragma once

#include <QImage>
#include <QSize>
#include <string>
#include <string_view>
#include <vector>

namespace zarvo {

// Registers the compiled-in SVG files with Qt's resource system.  The
// pictures live in a static library, so the linker would otherwise be free
// to drop them.  The functions below call this by themselves before they
// render an SVG; call it yourself only if you open ":/pictures/..." files
// directly.  Calling it more than once is harmless.
void init_picture_resources();

// Renders the picture called `name` (for example "B_PORN_1", "HAIKEI_TAKE")
// at its own size times `dpr`.  The returned image carries that device pixel
// ratio, so painting it with QPainter::drawImage(QPoint, ...) covers the
// picture's logical size.  An unknown name, or a dpr that is not a positive
// number, gives a null QImage.  At ratio 1 the image wraps the compiled-in
// pixels (read-only: painting on it, or anything else that writes, makes a
// copy first); other ratios are rendered and cached per (name, dpr).  The
// function may be called from any thread once a QGuiApplication exists.
QImage load_picture(std::string_view name, qreal dpr = 1.0);

// True when the picture called `name` at ratio 1 covers every pixel of its
// rectangle (alpha 255 everywhere), so nothing under it shows through; false
// for an unknown name.  Answered from the compiled-in pixels, without
// rendering.
bool picture_is_opaque(std::string_view name);

// Renders the picture called `name` to exactly `pixels`, without caching,
// for a canvas that keeps its own renders at its current scale.  An unknown
// name or an empty size gives a null QImage; the image's pixel ratio is 1.
QImage render_picture_at(std::string_view name, QSize pixels);

// Logical size in pixels of the picture called `name` (45x45 for pieces and
// empty squares, 46x46 for background tiles, ...); QSize(0, 0) if unknown.
QSize picture_size(std::string_view name);

// Every picture name, in a fixed order: pieces, empty squares, background
// tiles, logo, version picture.
const std::vector<std::string>& picture_names();

}  // namespace zarvo
