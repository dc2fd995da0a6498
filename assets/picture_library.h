// Pictures of Zarvo チェス: pieces, board squares, background tiles, logo and
// version picture.  The pictures are SVG files compiled into the program as
// Qt resources (":/pictures/<NAME>.svg") and rendered on demand, so they stay
// sharp at any device pixel ratio.
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
// to drop them.  load_picture() calls this by itself on first use; call it
// yourself only if you open ":/pictures/..." files directly.  Calling it more
// than once is harmless.
void init_picture_resources();

// Renders the picture called `name` (for example "B_PORN_1", "HAIKEI_TAKE")
// at its own size times `dpr`.  The returned image carries that device pixel
// ratio, so painting it with QPainter::drawImage(QPoint, ...) covers the
// picture's logical size.  An unknown name, or a dpr that is not a positive
// number, gives a null QImage.  Renders are cached per (name, dpr); the
// function may be called from any thread once a QGuiApplication exists.
QImage load_picture(std::string_view name, qreal dpr = 1.0);

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
