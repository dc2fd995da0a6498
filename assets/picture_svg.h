// The SVG half of the picture library: the pictures' SVG files as Qt
// resources, and their renders.  The picture library builds on it, and so
// does the build tool that renders the compiled-in pixels
// (tools/prerender_pictures.cpp); everything else includes
// assets/picture_library.h.
#pragma once

#include <QImage>
#include <string_view>

namespace zarvo {

// Renders the picture called `name` from its SVG at its size times `dpr`, as
// load_picture() describes, cached per (name, dpr).  A null QImage for an
// unknown name or a dpr that is not a positive number.
QImage load_svg_picture(std::string_view name, qreal dpr);

}  // namespace zarvo
