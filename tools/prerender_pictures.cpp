// zarvo-prerender-pictures: renders every picture at device pixel ratio 1 and
// writes the pixels out as a C++ source file, which the build compiles into
// the picture library (see assets/prerendered_pictures.h).  The build runs it
// on Qt's offscreen platform whenever a picture changes:
//
//     QT_QPA_PLATFORM=offscreen zarvo-prerender-pictures OUT.cpp
//
// The renders come from render_picture_at() at each picture's own size, the
// very code that renders the pictures at run time, so the compiled-in pixels
// are the ones an SVG render would give.

#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "assets/picture_library.h"

namespace {

// Pixels per line of the generated arrays.
constexpr int kPerLine = 12;

bool every_pixel_opaque(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(line[x]) != 255) {
        return false;
      }
    }
  }
  return true;
}

void append_pixels(std::string& out, const QImage& image) {
  char word[16];
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      out += n % kPerLine == 0 ? "\n   " : "";
      std::snprintf(word, sizeof word, " 0x%08x,", static_cast<unsigned>(line[x]));
      out += word;
      ++n;
    }
  }
  out += "\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUT.cpp\n", argv[0]);
    return 2;
  }
  // The logo and the version picture hold text, which needs the font database.
  QGuiApplication app(argc, argv);
  // Their text is set in this font, which the package depends on; without it
  // here the compiled-in pictures would show whatever font stood in for it.
  if (!QFontDatabase::hasFamily(QStringLiteral("IPAPMincho"))) {
    std::fprintf(stderr, "%s: warning: the font IPAPMincho is missing; the logo and version picture get another\n",
                 argv[0]);
  }

  std::string out =
      "// Written by tools/prerender_pictures.cpp from assets/pictures/*.svg while\n"
      "// the program is built; not to be edited.\n\n"
      "#include \"assets/prerendered_pictures.h\"\n\n"
      "namespace zarvo {\nnamespace {\n";
  std::string table = "const PrerenderedPicture kPictures[] = {\n";
  const std::vector<std::string>& names = zarvo::picture_names();
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string& name = names[i];
    const QSize size = zarvo::picture_size(name);
    const QImage image = zarvo::render_picture_at(name, size);
    if (image.isNull() || image.size() != size || image.format() != QImage::Format_ARGB32_Premultiplied) {
      std::fprintf(stderr, "%s: could not render %s\n", argv[0], name.c_str());
      return 1;
    }
    const std::string array = "pixels_" + std::to_string(i);
    out += "\n// " + name + "\nalignas(16) static const std::uint32_t " + array + "[] = {";
    append_pixels(out, image);
    out += "};\n";
    table += "    {\"" + name + "\", " + std::to_string(size.width()) + ", " + std::to_string(size.height()) + ", " +
             array + ", " + (every_pixel_opaque(image) ? "true" : "false") + "},\n";
  }
  out += "\n" + table + "};\n\n}  // namespace\n\n";
  out += "std::span<const PrerenderedPicture> prerendered_pictures() { return kPictures; }\n\n}  // namespace zarvo\n";

  // Written whole or not at all, so a failed run leaves no half file behind.
  QSaveFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::WriteOnly) || file.write(out.data(), qint64(out.size())) != qint64(out.size()) ||
      !file.commit()) {
    std::fprintf(stderr, "%s: could not write %s\n", argv[0], argv[1]);
    return 1;
  }
  return 0;
}
