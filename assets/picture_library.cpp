#include "assets/picture_library.h"

#include "assets/picture_svg.h"

namespace zarvo {

QImage load_picture(std::string_view name, qreal dpr) { return load_svg_picture(name, dpr); }

}  // namespace zarvo
