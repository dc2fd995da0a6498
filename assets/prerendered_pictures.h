// The pictures rendered at device pixel ratio 1 while the program was built,
// so that the start-up needs no SVG rendering.  The table is written by
// tools/prerender_pictures.cpp into the build folder (prerendered_pictures.cpp)
// and only the picture library reads it.
#pragma once

#include <cstdint>
#include <span>

namespace zarvo {

struct PrerenderedPicture {
  const char* name;
  int width;
  int height;
  // width * height pixels, row after row, in QImage::Format_ARGB32_Premultiplied.
  const std::uint32_t* pixels;
  // Every pixel has alpha 255: the picture covers its whole rectangle.
  bool opaque;
};

// Every picture of picture_names(), in that order.
std::span<const PrerenderedPicture> prerendered_pictures();

}  // namespace zarvo
