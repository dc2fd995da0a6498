// Checks on the game's pictures as zarvo::load_picture() gives them, compiled
// in or rendered, and on the sound and help files shipped beside the game.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QRect>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "assets/picture_library.h"

namespace {

void ensure_app() {
  // Text in the logo needs the font database, which needs an application.
  if (QGuiApplication::instance() == nullptr) {
    static int argc = 1;
    static char name[] = "test_pictures";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);  // lives until the process ends
  }
}

class Pictures : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ensure_app(); }
};

const char* const kKinds[] = {"PORN", "KNIG", "BISH", "ROOK", "QEEN", "KING"};
const QColor kTeal(69, 155, 155);
const QColor kRedBrown(186, 107, 100);

std::string piece(const char* colour, const char* kind, int ground) {
  return std::string(colour) + "_" + kind + "_" + std::to_string(ground);
}

QColor ground_of(int ground) { return ground == 1 ? kTeal : kRedBrown; }

std::vector<std::string> board_square_names() {
  std::vector<std::string> names;
  for (const char* colour : {"B", "W"}) {
    for (int ground : {1, 2}) {
      for (const char* kind : kKinds) {
        names.push_back(piece(colour, kind, ground));
      }
    }
  }
  names.push_back("KARA_MASU1");
  names.push_back("KARA_MASU2");
  return names;
}

const std::vector<std::string> kTiles = {"HAIKEI_MIDORI", "HAIKEI_TATAMI", "HAIKEI_TAKE", "HAIKEI_UCHU",
                                         "HAIKEI_RENGA"};

int ground_number(const std::string& name) { return name.back() == '1' ? 1 : 2; }

int channel_distance(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// Pixels that belong to the piece rather than to the plain ground.
std::vector<bool> piece_mask(const QImage& image, QColor ground) {
  const QImage img = image.convertToFormat(QImage::Format_RGB32);
  std::vector<bool> mask(img.width() * img.height());
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      mask[y * img.width() + x] = channel_distance(img.pixel(x, y), ground.rgb()) > 60;
    }
  }
  return mask;
}

QRect mask_bounds(const std::vector<bool>& mask, int width) {
  QRect r;
  for (int i = 0; i < static_cast<int>(mask.size()); ++i) {
    if (mask[i]) {
      r |= QRect(i % width, i / width, 1, 1);
    }
  }
  return r;
}

// Median luminance of the piece's own pixels in the middle of the square.
// The median looks past the outline and the carved lines to the body colour.
double piece_luminance(const std::string& name) {
  const QImage img = zarvo::load_picture(name).convertToFormat(QImage::Format_RGB32);
  const QColor ground = ground_of(ground_number(name));
  std::vector<double> values;
  for (int y = 10; y < 38; ++y) {
    for (int x = 10; x < 35; ++x) {
      const QRgb p = img.pixel(x, y);
      if (channel_distance(p, ground.rgb()) > 60) {
        values.push_back(0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p));
      }
    }
  }
  if (values.empty()) {
    return -1;
  }
  const size_t q = values.size() * 3 / 4;
  std::nth_element(values.begin(), values.begin() + q, values.end());
  return values[q];
}

// Mean per-channel difference between two rows or columns of a picture.
double line_difference(const QImage& img, bool columns, int a, int b) {
  const int n = columns ? img.height() : img.width();
  double sum = 0;
  for (int i = 0; i < n; ++i) {
    const QRgb pa = columns ? img.pixel(a, i) : img.pixel(i, a);
    const QRgb pb = columns ? img.pixel(b, i) : img.pixel(i, b);
    sum += channel_distance(pa, pb) / 3.0;
  }
  return sum / n;
}

}  // namespace

// ---------------------------------------------------------------------------
// The table of names and sizes
// ---------------------------------------------------------------------------

TEST_F(Pictures, TableHoldsEveryPictureTheGameAsksForOnce) {
  std::vector<std::string> expected = board_square_names();
  expected.insert(expected.end(), kTiles.begin(), kTiles.end());
  expected.push_back("ZARVOCHESS");
  expected.push_back("VERSION");

  const std::vector<std::string>& names = zarvo::picture_names();
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size()) << "duplicate names";
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), std::set<std::string>(expected.begin(), expected.end()));
}

TEST_F(Pictures, SizesFollowTheKindOfPicture) {
  for (const std::string& name : board_square_names()) {
    EXPECT_EQ(zarvo::picture_size(name), QSize(45, 45)) << name;
  }
  for (const std::string& name : kTiles) {
    EXPECT_EQ(zarvo::picture_size(name), QSize(46, 46)) << name;
  }
  EXPECT_EQ(zarvo::picture_size("ZARVOCHESS"), QSize(117, 37));
  EXPECT_EQ(zarvo::picture_size("VERSION"), QSize(337, 106));
}

TEST_F(Pictures, UnknownNamesAndBadRatiosGiveNothing) {
  for (const char* name : {"", "B_PORN_3", "b_porn_1", "B_PORN_1.svg", "KARA_MASU", "HAIKEI"}) {
    EXPECT_TRUE(zarvo::load_picture(name).isNull()) << name;
    EXPECT_EQ(zarvo::picture_size(name), QSize(0, 0)) << name;
    EXPECT_FALSE(zarvo::picture_is_opaque(name)) << name;
  }
  EXPECT_TRUE(zarvo::load_picture("B_PORN_1", 0.0).isNull());
  EXPECT_TRUE(zarvo::load_picture("B_PORN_1", -2.0).isNull());
  EXPECT_TRUE(zarvo::load_picture("B_PORN_1", std::numeric_limits<qreal>::quiet_NaN()).isNull());
}

// ---------------------------------------------------------------------------
// Rendering
// ---------------------------------------------------------------------------

TEST_F(Pictures, EveryPictureRendersAtItsSizeTimesTheRatio) {
  for (const std::string& name : zarvo::picture_names()) {
    SCOPED_TRACE(name);
    const QSize logical = zarvo::picture_size(name);
    const QImage one = zarvo::load_picture(name);
    ASSERT_FALSE(one.isNull());
    EXPECT_EQ(one.size(), logical);
    EXPECT_DOUBLE_EQ(one.devicePixelRatio(), 1.0);

    const QImage two = zarvo::load_picture(name, 2.0);
    ASSERT_FALSE(two.isNull());
    EXPECT_EQ(two.size(), logical * 2);
    EXPECT_DOUBLE_EQ(two.devicePixelRatio(), 2.0);
    EXPECT_EQ(two.deviceIndependentSize().toSize(), logical);

    // something was drawn: the centre pixel is not see-through
    EXPECT_GT(qAlpha(one.pixel(logical.width() / 2, logical.height() / 2)), 200);
  }
}

TEST_F(Pictures, RendersAreCachedPerRatio) {
  const QImage a = zarvo::load_picture("W_KING_2");
  const QImage b = zarvo::load_picture("W_KING_2");
  const QImage c = zarvo::load_picture("W_KING_2", 1.5);
  EXPECT_EQ(a.cacheKey(), b.cacheKey());
  EXPECT_NE(a.cacheKey(), c.cacheKey());
  EXPECT_EQ(c.size(), QSize(68, 68));  // 67.5 rounds to whole pixels
  EXPECT_EQ(zarvo::load_picture("W_KING_2", 1.5).cacheKey(), c.cacheKey());
}

// ---------------------------------------------------------------------------
// Pixels compiled in at ratio 1
// ---------------------------------------------------------------------------

namespace {

int differing_pixels(const QImage& a, const QImage& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      n += a.pixel(x, y) != b.pixel(x, y);
    }
  }
  return n;
}

bool every_alpha_255(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) != 255) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

TEST_F(Pictures, CompiledInPixelsEqualAFreshRenderOfTheSvg) {
  // Fails when the generated table no longer matches the SVG files or the
  // renderer, whatever the reason.
  for (const std::string& name : zarvo::picture_names()) {
    SCOPED_TRACE(name);
    const QImage compiled = zarvo::load_picture(name, 1.0);
    const QImage rendered = zarvo::render_picture_at(name, zarvo::picture_size(name));
    ASSERT_EQ(compiled.format(), QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(compiled.size(), rendered.size());
    ASSERT_EQ(rendered.format(), compiled.format());
    EXPECT_EQ(differing_pixels(compiled, rendered), 0);
    EXPECT_EQ(zarvo::picture_is_opaque(name), every_alpha_255(rendered));
  }
  // The canvas draws these without blending, so they must cover their squares.
  std::vector<std::string> covering = board_square_names();
  covering.insert(covering.end(), kTiles.begin(), kTiles.end());
  for (const std::string& name : covering) {
    EXPECT_TRUE(zarvo::picture_is_opaque(name)) << name;
  }
}

TEST_F(Pictures, LoadsAtRatioOneShareTheCompiledInPixels) {
  for (const std::string& name : zarvo::picture_names()) {
    SCOPED_TRACE(name);
    const QImage a = zarvo::load_picture(name);
    const QImage b = zarvo::load_picture(name, 1.0);
    EXPECT_EQ(a.constBits(), b.constBits());
    EXPECT_EQ(a.cacheKey(), b.cacheKey());

    // Painting on a loaded picture works on a copy of it.
    QImage painted = zarvo::load_picture(name);
    painted.fill(Qt::magenta);
    EXPECT_NE(painted.constBits(), a.constBits());
    EXPECT_EQ(zarvo::load_picture(name).constBits(), a.constBits());
    EXPECT_EQ(differing_pixels(zarvo::load_picture(name), zarvo::render_picture_at(name, a.size())), 0);
  }
}

// ---------------------------------------------------------------------------
// Board squares and pieces
// ---------------------------------------------------------------------------

TEST_F(Pictures, SquareCornersAreExactlyTheGround) {
  for (const std::string& name : board_square_names()) {
    const QColor ground = ground_of(ground_number(name));
    for (qreal dpr : {1.0, 2.0}) {
      const QImage img = zarvo::load_picture(name, dpr);
      const int r = img.width() - 1, b = img.height() - 1;
      for (QPoint corner : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)}) {
        EXPECT_EQ(QColor(img.pixel(corner)), ground)
            << name << " dpr " << dpr << " at " << corner.x() << "," << corner.y();
      }
    }
  }
}

TEST_F(Pictures, PieceSquaresMatchTheEmptySquareAlongTheirEdges) {
  // A board mixes piece squares and empty squares; their borders must agree
  // or the board shows a grid of slightly different squares.
  for (int ground : {1, 2}) {
    const QImage empty = zarvo::load_picture("KARA_MASU" + std::to_string(ground));
    for (const char* colour : {"B", "W"}) {
      for (const char* kind : kKinds) {
        const std::string name = piece(colour, kind, ground);
        const QImage img = zarvo::load_picture(name);
        for (int i = 0; i < 45; ++i) {
          for (QPoint p : {QPoint(i, 0), QPoint(0, i), QPoint(44, i)}) {
            ASSERT_EQ(img.pixel(p), empty.pixel(p)) << name << " at " << p.x() << "," << p.y();
          }
        }
      }
    }
  }
}

TEST_F(Pictures, WhitePiecesAreMuchLighterThanBlackOnBothGrounds) {
  for (int ground : {1, 2}) {
    for (const char* kind : kKinds) {
      const double black = piece_luminance(piece("B", kind, ground));
      const double white = piece_luminance(piece("W", kind, ground));
      EXPECT_LT(black, 90) << kind << ground;
      EXPECT_GT(white, 170) << kind << ground;
      EXPECT_GT(white - black, 120) << kind << ground;
    }
  }
}

TEST_F(Pictures, PiecesStandCentredAndInProportion) {
  std::vector<int> heights;
  for (const char* kind : kKinds) {
    for (const char* colour : {"B", "W"}) {
      for (int ground : {1, 2}) {
        const std::string name = piece(colour, kind, ground);
        const QRect box = mask_bounds(piece_mask(zarvo::load_picture(name), ground_of(ground)), 45);
        SCOPED_TRACE(name);
        EXPECT_GE(box.left(), 2);
        EXPECT_LE(box.right(), 42);
        EXPECT_GE(box.top(), 1);
        EXPECT_LE(box.bottom(), 43);
        EXPECT_NEAR(box.center().x(), 22, 3);
        EXPECT_GE(box.height(), 25);
        if (std::string(colour) == "W" && ground == 1) {
          heights.push_back(box.height());
        }
      }
    }
  }
  // pawn the smallest, king the tallest
  ASSERT_EQ(heights.size(), 6u);
  EXPECT_EQ(*std::min_element(heights.begin(), heights.end()), heights[0]);
  EXPECT_EQ(*std::max_element(heights.begin(), heights.end()), heights[5]);
}

TEST_F(Pictures, EachKindHasItsOwnSilhouetteOnBothGrounds) {
  std::vector<std::vector<bool>> masks;
  for (const char* kind : kKinds) {
    const auto on_teal = piece_mask(zarvo::load_picture(piece("W", kind, 1)), kTeal);
    const auto on_red = piece_mask(zarvo::load_picture(piece("W", kind, 2)), kRedBrown);
    int differing = 0;
    for (size_t i = 0; i < on_teal.size(); ++i) {
      differing += on_teal[i] != on_red[i];
    }
    EXPECT_LT(differing, 45) << kind << ": the same piece should look the same on both grounds";
    masks.push_back(on_teal);
  }
  for (size_t a = 0; a < masks.size(); ++a) {
    for (size_t b = a + 1; b < masks.size(); ++b) {
      int differing = 0;
      for (size_t i = 0; i < masks[a].size(); ++i) {
        differing += masks[a][i] != masks[b][i];
      }
      EXPECT_GT(differing, 30) << kKinds[a] << " and " << kKinds[b] << " look alike";
    }
  }
}

// ---------------------------------------------------------------------------
// Background tiles
// ---------------------------------------------------------------------------

TEST_F(Pictures, BackgroundTilesRepeatWithoutSeams) {
  for (const std::string& name : kTiles) {
    for (qreal dpr : {1.0, 2.0}) {
      const QImage img = zarvo::load_picture(name, dpr).convertToFormat(QImage::Format_ARGB32);
      const int last = img.width() - 1;
      // Across the seam the picture should change no more than it
      // typically does from one line to the next inside the tile.
      for (bool columns : {true, false}) {
        std::vector<double> steps;
        for (int i = 0; i < last; ++i) {
          steps.push_back(line_difference(img, columns, i, i + 1));
        }
        std::nth_element(steps.begin(), steps.begin() + steps.size() / 2, steps.end());
        const double typical = steps[steps.size() / 2];
        const double across = line_difference(img, columns, last, 0);
        EXPECT_LE(across, 3.0 * typical + 4.0) << name << " dpr " << dpr << (columns ? ": left/right" : ": top/bottom");
      }
    }
  }
}

TEST_F(Pictures, BackgroundTilesAreOpaque) {
  for (const std::string& name : kTiles) {
    const QImage img = zarvo::load_picture(name).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
      for (int x = 0; x < img.width(); ++x) {
        ASSERT_EQ(qAlpha(img.pixel(x, y)), 255) << name << " at " << x << "," << y;
      }
    }
  }
}

// ---------------------------------------------------------------------------
// Sound files
// ---------------------------------------------------------------------------

namespace {

struct Wav {
  int format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<int16_t> samples;  // first channel
  qint64 file_size = 0;
  double seconds() const { return rate > 0 ? double(samples.size()) / rate : 0; }
};

Wav read_wav(const QString& path) {
  Wav w;
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    return w;
  }
  const QByteArray data = f.readAll();
  w.file_size = data.size();
  auto u32 = [&](qsizetype at) {
    return quint32(quint8(data[at])) | quint32(quint8(data[at + 1])) << 8 | quint32(quint8(data[at + 2])) << 16 |
           quint32(quint8(data[at + 3])) << 24;
  };
  auto u16 = [&](qsizetype at) { return quint16(quint8(data[at]) | quint8(data[at + 1]) << 8); };
  if (data.size() < 12 || data.mid(0, 4) != "RIFF" || data.mid(8, 4) != "WAVE") {
    return w;
  }
  for (qsizetype at = 12; at + 8 <= data.size();) {
    const QByteArray id = data.mid(at, 4);
    const qsizetype len = u32(at + 4);
    const qsizetype body = at + 8;
    if (body + len > data.size()) {
      break;
    }
    if (id == "fmt ") {
      w.format = u16(body);
      w.channels = u16(body + 2);
      w.rate = int(u32(body + 4));
      w.bits = u16(body + 14);
    } else if (id == "data" && w.bits == 16 && w.channels > 0) {
      for (qsizetype i = body; i + 1 < body + len; i += 2 * w.channels) {
        w.samples.push_back(int16_t(u16(i)));
      }
    }
    at = body + len + (len & 1);
  }
  return w;
}

QString asset(const char* relative) { return QString::fromUtf8(ZARVO_ASSETS_DIR) + "/" + QString::fromUtf8(relative); }

double peak_dbfs(const Wav& w) {
  int peak = 1;
  for (int16_t s : w.samples) {
    peak = std::max(peak, std::abs(int(s)));
  }
  return 20.0 * std::log10(peak / 32768.0);
}

double mean_step(const Wav& w) {
  double sum = 0;
  for (size_t i = 1; i < w.samples.size(); ++i) {
    sum += std::abs(w.samples[i] - w.samples[i - 1]);
  }
  return sum / double(w.samples.size() - 1);
}

struct SoundExpectation {
  const char* file;
  double min_seconds, max_seconds, peak_db;
};

const SoundExpectation kSounds[] = {
    {"sounds/駒打音.wav", 0.1, 0.25, -3.0},
    {"sounds/禁止.wav", 0.2, 0.45, -3.0},
    {"sounds/その他.wav", 0.5, 1.0, -3.0},
    {"sounds/BGM.wav", 20.0, 40.0, -6.0},
};

}  // namespace

TEST(Sounds, AreSixteenBitPcmOfTheRightLengthAndLevel) {
  qint64 total = 0;
  for (const SoundExpectation& e : kSounds) {
    SCOPED_TRACE(e.file);
    const Wav w = read_wav(asset(e.file));
    ASSERT_FALSE(w.samples.empty());
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.bits, 16);
    EXPECT_TRUE(w.rate == 22050 || w.rate == 44100) << w.rate;
    EXPECT_TRUE(w.channels == 1 || w.channels == 2);
    EXPECT_GE(w.seconds(), e.min_seconds);
    EXPECT_LE(w.seconds(), e.max_seconds);
    EXPECT_NEAR(peak_dbfs(w), e.peak_db, 1.0);  // loud enough, and no clipping
    total += w.file_size;
  }
  EXPECT_LT(total, 3 * 1024 * 1024);
}

TEST(Sounds, EffectsStartAndStopWithoutAClick) {
  for (const SoundExpectation& e : kSounds) {
    if (std::string(e.file).find("BGM") != std::string::npos) {
      continue;
    }
    const Wav w = read_wav(asset(e.file));
    ASSERT_GT(w.samples.size(), 100u) << e.file;
    EXPECT_LT(std::abs(int(w.samples.front())), 300) << e.file;
    EXPECT_LT(std::abs(int(w.samples.back())), 300) << e.file;
    double mean = 0;
    for (int16_t s : w.samples) {
      mean += s;
    }
    EXPECT_LT(std::abs(mean / double(w.samples.size())), 100) << e.file << ": DC offset";
  }
}

TEST(Sounds, MusicLoopsWithoutAJump) {
  const Wav w = read_wav(asset("sounds/BGM.wav"));
  ASSERT_GT(w.samples.size(), 1000u);
  // The step from the last sample back to the first is no bigger than the
  // steps the music takes anyway, and the music has not faded to silence.
  const int wrap = std::abs(int(w.samples.back()) - int(w.samples.front()));
  EXPECT_LE(wrap, 3.0 * mean_step(w));
  double tail_energy = 0;
  for (size_t i = w.samples.size() - w.rate / 2; i < w.samples.size(); ++i) {
    tail_energy += std::abs(int(w.samples[i]));
  }
  EXPECT_GT(tail_energy / (w.rate / 2), 200.0) << "the end is silent: the loop would have a gap";
}

// ---------------------------------------------------------------------------
// Help page
// ---------------------------------------------------------------------------

TEST(HelpPage, IsSelfContainedUtf8AndCoversTheMenus) {
  QFile f(asset("help/Zarvoチェス.htm"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QString page = QString::fromUtf8(f.readAll());
  EXPECT_TRUE(page.startsWith("<!DOCTYPE html>", Qt::CaseInsensitive));
  EXPECT_TRUE(page.contains("<meta charset=\"utf-8\">", Qt::CaseInsensitive));
  EXPECT_TRUE(page.contains("id=\"about\""));
  for (const char* external : {"http://", "https://", "<link", "<script", "<img"}) {
    EXPECT_FALSE(page.contains(QString::fromUtf8(external), Qt::CaseInsensitive)) << external;
  }
  for (const char* caption : {"対局(人間)", "対局(COM)", "COM対局ﾚﾍﾞﾙ", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級", "終わり",
                              "局面", "反転", "棋譜", "書込", "読込", "ｵﾌﾟｼｮﾝ", "移動指導", "解説", "バージョン情報",
                              "Zarvoチェス.ini", "自殺できません", "ステールメイト"}) {
    EXPECT_TRUE(page.contains(QString::fromUtf8(caption))) << caption;
  }
}
