#include "assets/picture_library.h"

#include <span>
#include <vector>

#include "assets/picture_svg.h"
#include "assets/prerendered_pictures.h"

namespace zarvo {
namespace {

const PrerenderedPicture* find_prerendered(std::string_view name) {
  for (const PrerenderedPicture& p : prerendered_pictures()) {
    if (name == p.name) {
      return &p;
    }
  }
  return nullptr;
}

// One image per compiled-in picture, made once and handed out as shared
// copies, so that every load of a picture at ratio 1 gets the same pixels and
// the same cache key.  The images wrap the read-only arrays in place: a
// QImage made from const data copies it before anything writes to it.
const QImage* prerendered_image(std::string_view name) {
  static const std::vector<QImage> images = [] {
    std::vector<QImage> out;
    for (const PrerenderedPicture& p : prerendered_pictures()) {
      out.emplace_back(reinterpret_cast<const uchar*>(p.pixels), p.width, p.height, qsizetype(p.width) * 4,
                       QImage::Format_ARGB32_Premultiplied);
    }
    return out;
  }();
  const PrerenderedPicture* p = find_prerendered(name);
  return p != nullptr ? &images[p - prerendered_pictures().data()] : nullptr;
}

}  // namespace

QImage load_picture(std::string_view name, qreal dpr) {
  if (dpr == 1.0) {
    if (const QImage* image = prerendered_image(name)) {
      return *image;
    }
  }
  return load_svg_picture(name, dpr);
}

bool picture_is_opaque(std::string_view name) {
  const PrerenderedPicture* p = find_prerendered(name);
  return p != nullptr && p->opaque;
}

}  // namespace zarvo
