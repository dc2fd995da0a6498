#include "assets/picture_svg.h"

#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cmath>
#include <map>
#include <mutex>
#include <utility>

#include "assets/picture_library.h"
#include "display/picture_names.h"

// Q_INIT_RESOURCE has to be used outside of any namespace.
static void register_compiled_pictures() { Q_INIT_RESOURCE(pictures); }

namespace zarvo {
namespace {

struct PictureEntry {
  std::string name;
  QSize size;
};

std::vector<PictureEntry> build_table() {
  std::vector<PictureEntry> table;
  const QSize square(45, 45);
  for (const char* colour : {"B", "W"}) {
    for (const char* ground : {"1", "2"}) {
      for (int kind = 1; kind <= 6; ++kind) {
        table.push_back({std::string(colour) + "_" + PIECE_KIND_NAMES[kind] + "_" + ground, square});
      }
    }
  }
  table.push_back({"KARA_MASU1", square});
  table.push_back({"KARA_MASU2", square});
  for (const char* tile : {"HAIKEI_MIDORI", "HAIKEI_TATAMI", "HAIKEI_TAKE", "HAIKEI_UCHU", "HAIKEI_RENGA"}) {
    table.push_back({tile, QSize(46, 46)});
  }
  table.push_back({"ZARVOCHESS", QSize(117, 37)});
  table.push_back({"VERSION", QSize(337, 106)});
  return table;
}

const std::vector<PictureEntry>& table() {
  static const std::vector<PictureEntry> entries = build_table();
  return entries;
}

const PictureEntry* find_entry(std::string_view name) {
  for (const PictureEntry& e : table()) {
    if (e.name == name) {
      return &e;
    }
  }
  return nullptr;
}

QImage render_pixels(const PictureEntry& entry, QSize pixels) {
  QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(QString::fromStdString(entry.name)));
  if (!renderer.isValid() || pixels.isEmpty()) {
    return {};
  }
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
  }
  return image;
}

QImage render_picture(const PictureEntry& entry, qreal dpr) {
  QImage image = render_pixels(entry, QSize(qRound(entry.size.width() * dpr), qRound(entry.size.height() * dpr)));
  image.setDevicePixelRatio(dpr);
  return image;
}

}  // namespace

void init_picture_resources() {
  static std::once_flag once;
  std::call_once(once, register_compiled_pictures);
}

QImage load_svg_picture(std::string_view name, qreal dpr) {
  const PictureEntry* entry = find_entry(name);
  if (entry == nullptr || !std::isfinite(dpr) || dpr <= 0) {
    return {};
  }
  init_picture_resources();

  static std::mutex cache_mutex;
  static std::map<std::pair<std::string, qreal>, QImage> cache;
  const auto key = std::make_pair(entry->name, dpr);
  {
    std::lock_guard<std::mutex> lock(cache_mutex);
    if (auto it = cache.find(key); it != cache.end()) {
      return it->second;
    }
  }
  QImage image = render_picture(*entry, dpr);
  std::lock_guard<std::mutex> lock(cache_mutex);
  return cache.emplace(key, std::move(image)).first->second;
}

QImage render_picture_at(std::string_view name, QSize pixels) {
  const PictureEntry* entry = find_entry(name);
  if (entry == nullptr) {
    return {};
  }
  init_picture_resources();
  return render_pixels(*entry, pixels);
}

QSize picture_size(std::string_view name) {
  const PictureEntry* entry = find_entry(name);
  return entry != nullptr ? entry->size : QSize(0, 0);
}

const std::vector<std::string>& picture_names() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> out;
    for (const PictureEntry& e : table()) {
      out.push_back(e.name);
    }
    return out;
  }();
  return names;
}

}  // namespace zarvo
