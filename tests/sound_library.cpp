// The sound library heard through SDL's disk driver: the mixed output goes to a
// raw file (signed 16-bit stereo at 44.1 kHz, as the library opens the device),
// which the tests read back to tell sound from silence.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "shell/sound_library/zarvo_sound.h"

namespace {

constexpr int RATE = 44100;
constexpr size_t FRAME_BYTES = 4;  // two 16-bit channels

void put16(std::vector<uint8_t>& v, uint32_t x) {
  v.push_back(x & 0xff);
  v.push_back((x >> 8) & 0xff);
}
void put32(std::vector<uint8_t>& v, uint32_t x) {
  put16(v, x & 0xffff);
  put16(v, x >> 16);
}
void put_tag(std::vector<uint8_t>& v, const char* tag) {
  for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(tag[i]));
}

// A mono 16-bit PCM wave file image holding a sine tone.
std::vector<uint8_t> tone_wav(double seconds, double hz, int amplitude = 12000, int rate = RATE) {
  const auto frames = static_cast<uint32_t>(seconds * rate);
  std::vector<uint8_t> v;
  v.reserve(44 + frames * 2);
  put_tag(v, "RIFF");
  put32(v, 36 + frames * 2);
  put_tag(v, "WAVE");
  put_tag(v, "fmt ");
  put32(v, 16);
  put16(v, 1);  // PCM
  put16(v, 1);  // mono
  put32(v, rate);
  put32(v, rate * 2);
  put16(v, 2);
  put16(v, 16);
  put_tag(v, "data");
  put32(v, frames * 2);
  for (uint32_t i = 0; i < frames; ++i) {
    const auto s = static_cast<int16_t>(std::lround(amplitude * std::sin(2 * M_PI * hz * i / rate)));
    put16(v, static_cast<uint16_t>(s));
  }
  return v;
}

void write_file(const std::filesystem::path& file, const std::vector<uint8_t>& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

using Clock = std::chrono::steady_clock;

class DiskOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            ("zarvo_sound_" + std::to_string(getpid()) + "_" + info->name() + ".raw");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", path_.c_str(), 1);
    device_ = dsInitialize(0);
    ASSERT_NE(device_, 0) << "SDL's disk audio driver did not open";
  }
  void TearDown() override {
    dsTerminate(device_);
    std::error_code ec;
    std::filesystem::remove(path_, ec);
  }

  size_t output_bytes() const {
    std::error_code ec;
    const auto n = std::filesystem::file_size(path_, ec);
    return ec ? 0 : static_cast<size_t>(n) / FRAME_BYTES * FRAME_BYTES;
  }

  // Samples written from byte `from` on: left, right, left, right ...
  std::vector<int16_t> samples_from(size_t from) const {
    std::ifstream in(path_, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(from));
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<int16_t> out(bytes.size() / 2);
    // Nothing new yet leaves both empty, and memcpy must not see their null pointers.
    if (!out.empty()) std::memcpy(out.data(), bytes.data(), out.size() * 2);
    return out;
  }

  // Waits until the output holds `seconds` of sound past byte `from`; returns the
  // samples of exactly that stretch.
  std::vector<int16_t> next(size_t from, double seconds) const {
    const size_t want = static_cast<size_t>(seconds * RATE) * FRAME_BYTES;
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (output_bytes() < from + want && Clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::vector<int16_t> s = samples_from(from);
    EXPECT_GE(s.size() * 2, want) << "the audio thread stopped writing";
    if (s.size() * 2 > want) s.resize(want / 2);
    return s;
  }

  // The output from now on: after a change, a little is let through first so that
  // what the mixer had already made before the change does not count.
  std::vector<int16_t> listen(double seconds) const {
    const size_t settle = output_bytes() + static_cast<size_t>(0.1 * RATE) * FRAME_BYTES;
    next(settle, 0);
    return next(settle, seconds);
  }

  static int peak(const std::vector<int16_t>& s, int channel = -1) {
    int p = 0;
    for (size_t i = 0; i < s.size(); ++i)
      if (channel < 0 || static_cast<int>(i % 2) == channel) p = std::max(p, std::abs(int{s[i]}));
    return p;
  }

  // Rising zero crossings of the left channel per second: the tone's pitch.
  static double pitch(const std::vector<int16_t>& s) {
    int crossings = 0;
    for (size_t i = 2; i < s.size(); i += 2)
      if (s[i - 2] < 0 && s[i] >= 0) ++crossings;
    return crossings / (s.size() / 2.0 / RATE);
  }

  // A music looped from its start: `seconds` of output from its first sound on.
  std::vector<int16_t> heard_from_start(int32_t id, double seconds) const {
    size_t from = output_bytes();
    dsPlayLooping(id);
    std::vector<int16_t> s = next(from, 0.4);
    const auto sound = std::find_if(s.begin(), s.end(), [](int16_t x) { return x != 0; });
    std::vector<int16_t> heard = next(from + static_cast<size_t>(sound - s.begin()) / 2 * FRAME_BYTES, seconds);
    dsStop(id);
    return heard;
  }

  // Creates a buffer from a copy that is wiped and freed right after the call,
  // as the game does with its file contents.
  int32_t create(std::vector<uint8_t> image, int32_t flags) {
    const int32_t id = dsCreateDSB(device_, image.data(), flags);
    std::fill(image.begin(), image.end(), 0xAB);
    image.clear();
    image.shrink_to_fit();
    return id;
  }

  std::filesystem::path path_;
  int32_t device_ = 0;
};

TEST_F(DiskOutput, AnEffectIsHeardUntilItIsStoppedAndSilenceFollows) {
  EXPECT_EQ(peak(listen(0.1)), 0) << "the device is silent before anything plays";
  const int32_t id = create(tone_wav(3.0, 441), ZARVO_DSB_EFFECT);
  ASSERT_NE(id, 0);
  dsPlay(id);
  const std::vector<int16_t> heard = listen(0.2);
  EXPECT_GT(peak(heard, 0), 8000);
  EXPECT_GT(peak(heard, 1), 8000);
  EXPECT_NEAR(pitch(heard), 441, 15);
  dsStop(id);
  EXPECT_EQ(peak(listen(0.3)), 0);
}

TEST_F(DiskOutput, AnEffectPlaysOnceAndALoopedOneGoesOnUntilStopped) {
  const int32_t id = create(tone_wav(0.1, 441), ZARVO_DSB_EFFECT);
  ASSERT_NE(id, 0);
  dsPlay(id);
  listen(0.2);
  EXPECT_EQ(peak(listen(0.2)), 0) << "a 0.1 s effect is over after 0.3 s";
  dsPlayLooping(id);
  listen(0.3);
  EXPECT_GT(peak(listen(0.3)), 8000) << "a looping effect still sounds after several lengths";
  dsStop(id);
  EXPECT_EQ(peak(listen(0.2)), 0);
}

TEST_F(DiskOutput, MusicLoopsAndStopsAndCanBeStartedAgain) {
  const int32_t music = create(tone_wav(0.15, 441, 12000, 22050), ZARVO_DSB_MUSIC);
  ASSERT_NE(music, 0);
  dsPlayLooping(music);
  listen(0.4);
  const std::vector<int16_t> later = listen(0.3);
  EXPECT_GT(peak(later), 8000) << "the music still plays after it ran through twice";
  EXPECT_NEAR(pitch(later), 441, 15) << "a 22.05 kHz file plays at its own pitch";
  // Asking again while it loops does not break it.
  dsPlayLooping(music);
  EXPECT_GT(peak(listen(0.2)), 8000);
  dsStop(music);
  EXPECT_EQ(peak(listen(0.3)), 0);
  dsPlayLooping(music);
  EXPECT_GT(peak(listen(0.2)), 8000);
}

TEST_F(DiskOutput, EffectsMixWithEachOtherAndWithTheMusic) {
  const int32_t low = create(tone_wav(2.0, 441, 6000), ZARVO_DSB_EFFECT);
  const int32_t music = create(tone_wav(2.0, 441, 6000), ZARVO_DSB_MUSIC);
  ASSERT_NE(low, 0);
  ASSERT_NE(music, 0);
  dsPlay(low);
  const int one = peak(listen(0.2));
  EXPECT_GT(one, 4000);
  EXPECT_LT(one, 7000);
  // Three instances of the same tone started together add up; started apart, two of
  // them could cancel out, so the first one is started again with the others.
  dsStop(low);
  dsPlay(low);
  dsPlay(low);
  dsPlay(music);
  EXPECT_GT(peak(listen(0.2)), one + 2000);
  dsStop(low);
  const int music_alone = peak(listen(0.2));
  EXPECT_GT(music_alone, 4000);
  EXPECT_LT(music_alone, 7000);
  dsStop(music);
}

TEST_F(DiskOutput, ZeroAndStaleIdsAndDevicesAreHarmless) {
  const std::vector<uint8_t> wav = tone_wav(1.0, 441);
  EXPECT_EQ(dsCreateDSB(0, wav.data(), ZARVO_DSB_EFFECT), 0);
  EXPECT_EQ(dsCreateDSB(device_ + 1, wav.data(), ZARVO_DSB_EFFECT), 0);
  EXPECT_EQ(dsCreateDSB(device_, nullptr, ZARVO_DSB_EFFECT), 0);
  EXPECT_EQ(dsCreateResDSB(0, "none.wav", ZARVO_DSB_EFFECT), 0);
  for (int32_t id : {0, 12345}) {
    dsPlay(id);
    dsPlayPan(id, 5000);
    dsPlayEx(id, -100, 100, 22050);
    dsPlayLooping(id);
    dsPlayLoopingEx(id, -100, 100, 22050);
    dsSetVolume(id, -500);
    dsSetPan(id, -500);
    dsSetFrequency(id, 8000);
    dsStop(id);
    dsFree(id);
  }
  dsTerminate(0);
  EXPECT_EQ(peak(listen(0.2)), 0);

  const int32_t id = create(wav, ZARVO_DSB_EFFECT);
  ASSERT_NE(id, 0) << "the device is still open after dsTerminate(0)";
  dsFree(id);
  dsPlay(id);
  dsFree(id);
  EXPECT_EQ(peak(listen(0.2)), 0) << "a freed buffer plays nothing";
  EXPECT_EQ(dsInitialize(0), device_) << "an open device is handed out again";
}

TEST_F(DiskOutput, OnlyCompleteWaveImagesBecomeBuffers) {
  std::vector<uint8_t> not_riff = tone_wav(0.1, 441);
  std::memcpy(not_riff.data(), "RIFX", 4);
  EXPECT_EQ(dsCreateDSB(device_, not_riff.data(), ZARVO_DSB_EFFECT), 0);

  std::vector<uint8_t> not_wave = tone_wav(0.1, 441);
  std::memcpy(not_wave.data() + 8, "AVI ", 4);
  EXPECT_EQ(dsCreateDSB(device_, not_wave.data(), ZARVO_DSB_EFFECT), 0);

  // A RIFF WAVE header over chunks that are not sound.
  std::vector<uint8_t> no_format;
  put_tag(no_format, "RIFF");
  put32(no_format, 4 + 8 + 4);
  put_tag(no_format, "WAVE");
  put_tag(no_format, "junk");
  put32(no_format, 4);
  put32(no_format, 0);
  EXPECT_EQ(dsCreateDSB(device_, no_format.data(), ZARVO_DSB_EFFECT), 0);
  EXPECT_EQ(dsCreateDSB(device_, no_format.data(), ZARVO_DSB_MUSIC), 0);
}

TEST_F(DiskOutput, NamedWaveFilesLoadAndTruncatedOnesAreRefused) {
  const std::filesystem::path file = path_.string() + ".wav";
  const std::vector<uint8_t> wav = tone_wav(2.0, 441);
  write_file(file, wav);
  const int32_t id = dsCreateResDSB(device_, file.c_str(), ZARVO_DSB_EFFECT);
  ASSERT_NE(id, 0);
  dsPlay(id);
  EXPECT_GT(peak(listen(0.2)), 8000);
  dsStop(id);

  std::filesystem::resize_file(file, wav.size() / 2);
  EXPECT_EQ(dsCreateResDSB(device_, file.c_str(), ZARVO_DSB_EFFECT), 0);
  EXPECT_EQ(dsCreateResDSB(device_, (path_.string() + ".missing.wav").c_str(), ZARVO_DSB_EFFECT), 0);
  std::filesystem::remove(file);
}

TEST_F(DiskOutput, VolumePanAndFrequencyShapeWhatIsHeard) {
  const int32_t id = create(tone_wav(3.0, 441), ZARVO_DSB_EFFECT);
  ASSERT_NE(id, 0);
  dsPlayLooping(id);
  const int full = peak(listen(0.2));

  // -6 dB is about half the amplitude, and it reaches the instance already playing.
  dsSetVolume(id, -600);
  const int half = peak(listen(0.2));
  EXPECT_NEAR(half, full / 2, full / 8);
  dsSetVolume(id, -10000);
  EXPECT_EQ(peak(listen(0.2)), 0);
  dsSetVolume(id, 0);

  dsSetPan(id, 10000);
  const std::vector<int16_t> right = listen(0.2);
  EXPECT_EQ(peak(right, 0), 0);
  EXPECT_GT(peak(right, 1), full * 3 / 4);
  dsSetPan(id, -10000);
  const std::vector<int16_t> left = listen(0.2);
  EXPECT_GT(peak(left, 0), full * 3 / 4);
  EXPECT_EQ(peak(left, 1), 0);
  dsStop(id);

  // Played at twice its recorded rate the tone is an octave higher.
  dsPlayEx(id, 0, 0, 2 * RATE);
  EXPECT_NEAR(pitch(listen(0.2)), 882, 25);
  dsStop(id);
  dsSetFrequency(id, 0);
  dsPlay(id);
  EXPECT_NEAR(pitch(listen(0.2)), 441, 15);
  dsStop(id);
}

// Whatever its recorded rate, a sound lasts as long as it was recorded to; a
// frequency of its own plays it faster or slower against that rate.
TEST_F(DiskOutput, ASoundKeepsItsLengthAndPitchAtAnyRecordedRate) {
  struct Row {
    int rate;
    int32_t frequency;
    double seconds, hz;
  };
  for (const Row& r : {Row{8000, 0, 0.3, 441}, Row{22050, 0, 0.3, 441}, Row{48000, 0, 0.3, 441},
                       Row{22050, 44100, 0.15, 882}, Row{48000, 24000, 0.6, 220.5}}) {
    SCOPED_TRACE(testing::Message() << r.rate << " Hz played at " << r.frequency);
    const int32_t id = create(tone_wav(0.3, 441, 12000, r.rate), ZARVO_DSB_EFFECT);
    ASSERT_NE(id, 0);
    const size_t from = output_bytes();
    dsPlayEx(id, 0, 0, r.frequency);
    const std::vector<int16_t> s = next(from, 1.0);
    // Where the left channel sounds, as sample indices.
    size_t first = s.size(), last = 0;
    for (size_t i = 0; i < s.size(); i += 2) {
      if (std::abs(int{s[i]}) <= 100) continue;
      first = std::min(first, i);
      last = i;
    }
    ASSERT_LT(first, last);
    EXPECT_NEAR((last - first) / 2.0 / RATE, r.seconds, 0.01);
    EXPECT_NEAR(pitch({s.begin() + static_cast<std::ptrdiff_t>(first), s.begin() + static_cast<std::ptrdiff_t>(last)}),
                r.hz, 10);
    dsFree(id);
  }
}

using Bytes = std::vector<uint8_t>;

// A RIFF chunk; `claimed` stands in for the true size in its header.
Bytes chunk(const char* tag, const Bytes& body, uint32_t claimed = UINT32_MAX) {
  Bytes v;
  put_tag(v, tag);
  put32(v, claimed == UINT32_MAX ? static_cast<uint32_t>(body.size()) : claimed);
  v.insert(v.end(), body.begin(), body.end());
  if (body.size() % 2 == 1) v.push_back(0);
  return v;
}

Bytes riff(std::initializer_list<Bytes> chunks) {
  Bytes v;
  put_tag(v, "RIFF");
  put32(v, 0);
  put_tag(v, "WAVE");
  for (const Bytes& c : chunks) v.insert(v.end(), c.begin(), c.end());
  const auto size = static_cast<uint32_t>(v.size() - 8);
  for (int i = 0; i < 4; ++i) v[4 + i] = static_cast<uint8_t>(size >> (8 * i));
  return v;
}

Bytes fmt_body(uint16_t format_tag, uint16_t bits, uint16_t channels, int rate) {
  const auto block = static_cast<uint16_t>(bits / 8 * channels);
  Bytes v;
  put16(v, format_tag);
  put16(v, channels);
  put32(v, rate);
  put32(v, rate * block);
  put16(v, block);
  put16(v, bits);
  return v;
}

// The same format in the WAVE_FORMAT_EXTENSIBLE form.
Bytes extensible(const Bytes& plain) {
  Bytes v = plain;
  v[0] = 0xFE;
  v[1] = 0xFF;
  put16(v, 22);
  put16(v, static_cast<uint16_t>(plain[14] | plain[15] << 8));  // every bit valid
  put32(v, 0);                                                  // no speaker mask
  v.insert(v.end(), plain.begin(), plain.begin() + 2);          // the sub-format GUID opens with the plain tag
  for (uint8_t b : {0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71}) v.push_back(b);
  return v;
}

// A 441 Hz tone at about 12000 / 32768 of full scale, in a chosen sample layout; with two
// channels only the left one carries it.
Bytes tone_samples(uint16_t format_tag, uint16_t bits, uint16_t channels, int rate, double seconds) {
  const auto frames = static_cast<uint32_t>(seconds * rate);
  Bytes v;
  for (uint32_t i = 0; i < frames; ++i) {
    const double x = 12000.0 / 32768.0 * std::sin(2 * M_PI * 441 * i / rate);
    for (uint16_t c = 0; c < channels; ++c) {
      const double y = c == 0 ? x : 0.0;
      if (format_tag == 3) {
        const float f = static_cast<float>(y);
        uint32_t u;
        std::memcpy(&u, &f, 4);
        put32(v, u);
      } else if (bits == 8) {
        v.push_back(static_cast<uint8_t>(std::lround(128 + 127 * y)));
      } else if (bits == 16) {
        put16(v, static_cast<uint16_t>(static_cast<int16_t>(std::lround(32767 * y))));
      } else {
        const auto s = static_cast<int64_t>(std::lround(2147483647.0 * y));
        for (int k = 32 - bits; k < 32; k += 8) v.push_back(static_cast<uint8_t>(s >> k));
      }
    }
  }
  return v;
}

Bytes layout_wav(uint16_t format_tag, uint16_t bits, uint16_t channels, int rate, double seconds = 0.5) {
  return riff({chunk("fmt ", fmt_body(format_tag, bits, channels, rate)),
               chunk("data", tone_samples(format_tag, bits, channels, rate, seconds))});
}

TEST_F(DiskOutput, EverySampleLayoutPlaysAtItsPitchAndLevel) {
  struct Row {
    const char* name;
    uint16_t format_tag, bits, channels;
    int rate;
  };
  for (const Row& r : {Row{"8-bit mono", 1, 8, 1, 22050}, Row{"16-bit stereo", 1, 16, 2, 44100},
                       Row{"24-bit mono", 1, 24, 1, 48000}, Row{"float mono", 3, 32, 1, 11025}}) {
    SCOPED_TRACE(r.name);
    const int32_t id = create(layout_wav(r.format_tag, r.bits, r.channels, r.rate), ZARVO_DSB_EFFECT);
    ASSERT_NE(id, 0);
    dsPlayLooping(id);
    const std::vector<int16_t> heard = listen(0.2);
    EXPECT_NEAR(pitch(heard), 441, 15);
    EXPECT_NEAR(peak(heard, 0), 12000, 600);
    // A mono sound is heard on both sides; a stereo one keeps its sides.
    if (r.channels == 1) {
      EXPECT_NEAR(peak(heard, 1), 12000, 600);
    } else {
      EXPECT_EQ(peak(heard, 1), 0);
    }
    dsFree(id);
  }
}

// How many of this process's file descriptors are open on `file`.
long open_on(const std::filesystem::path& file) {
  std::error_code ec;
  return std::count_if(std::filesystem::directory_iterator("/proc/self/fd"), {},
                       [&](const auto& fd) { return std::filesystem::read_symlink(fd.path(), ec) == file; });
}

// A music named by its file sounds sample for sample as the same image given in
// memory, across several loops, and the file is closed once the buffer is made.
// Files SDL's reader does not take are refused from a file as from memory.
TEST_F(DiskOutput, MusicFromAFileSoundsAsFromMemoryOrIsRefusedAlike) {
  const Bytes mono16 = fmt_body(1, 16, 1, 22050), tone = tone_samples(1, 16, 1, 22050, 0.12);
  const Bytes good = riff({chunk("fmt ", mono16), chunk("data", tone)});
  struct Row {
    const char* name;
    Bytes image;
    bool plays;
  };
  const Row rows[] = {
      {"16-bit mono, as the game's tune", good, true},
      {"float stereo", layout_wav(3, 32, 2, 48000, 0.12), true},
      {"extensible 32-bit stereo",
       riff({chunk("fmt ", extensible(fmt_body(1, 32, 2, 44100))), chunk("data", tone_samples(1, 32, 2, 44100, 0.1))}),
       true},
      {"8-bit stereo", layout_wav(1, 8, 2, 32000, 0.1), true},
      {"odd-sized chunk before the data", riff({chunk("fmt ", mono16), chunk("note", {1, 2, 3}), chunk("data", tone)}),
       true},
      {"data chunk longer than the file",
       riff({chunk("fmt ", mono16), chunk("data", tone, static_cast<uint32_t>(tone.size() + 999))}), true},
      {"mu-law", riff({chunk("fmt ", fmt_body(7, 8, 1, 22050)), chunk("data", tone)}), true},
      {"fmt after data", riff({chunk("data", tone), chunk("fmt ", mono16)}), false},
      {"no fmt", riff({chunk("data", tone)}), false},
      {"zero channels", riff({chunk("fmt ", fmt_body(1, 16, 0, 22050)), chunk("data", tone)}), false},
      {"unknown format tag", riff({chunk("fmt ", fmt_body(99, 16, 1, 22050)), chunk("data", tone)}), false},
      {"truncated header", Bytes(good.begin(), good.begin() + 30), false},
      {"RIFF size beyond the file", Bytes(good.begin(), good.end() - 100), false},
  };
  const std::filesystem::path file = path_.string() + ".wav";
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    write_file(file, r.image);
    const int32_t named = dsCreateResDSB(device_, file.c_str(), ZARVO_DSB_MUSIC);
    EXPECT_EQ(named != 0, r.plays);
    EXPECT_EQ(open_on(file), 0) << "the file is closed when the call returns";
    if (!r.plays) continue;
    const int32_t held = create(r.image, ZARVO_DSB_MUSIC);
    ASSERT_NE(held, 0);
    // 0.3 s: two loops and more.
    const std::vector<int16_t> from_file = heard_from_start(named, 0.3);
    listen(0);
    const std::vector<int16_t> from_memory = heard_from_start(held, 0.3);
    EXPECT_GT(peak(from_file), 1000);
    const auto differ = std::mismatch(from_file.begin(), from_file.end(), from_memory.begin(), from_memory.end());
    EXPECT_TRUE(differ.first == from_file.end() && differ.second == from_memory.end())
        << "first difference at sample " << differ.first - from_file.begin();
    dsFree(named);
    dsFree(held);
    listen(0);
  }
  std::filesystem::remove(file);
}

// Nothing is read from the disk while the music plays: its file may be cut short
// or removed under it, and the tune goes on.
TEST_F(DiskOutput, MusicPlaysOnWhenItsFileIsCutShortOrRemoved) {
  const std::filesystem::path file = path_.string() + ".wav";
  write_file(file, layout_wav(3, 32, 2, 48000, 0.3));
  const int32_t id = dsCreateResDSB(device_, file.c_str(), ZARVO_DSB_MUSIC);
  ASSERT_NE(id, 0);
  dsPlayLooping(id);
  EXPECT_GT(peak(listen(0.2)), 8000);
  std::filesystem::resize_file(file, 100);
  EXPECT_GT(peak(listen(0.4)), 8000);
  std::filesystem::remove(file);
  EXPECT_GT(peak(listen(0.4)), 8000);
  dsStop(id);
  EXPECT_EQ(peak(listen(0.2)), 0);
}

TEST_F(DiskOutput, ANewMusicTakesTheOldOnesPlace) {
  const int32_t low = create(tone_wav(1.0, 441), ZARVO_DSB_MUSIC);
  const int32_t high = create(tone_wav(1.0, 882), ZARVO_DSB_MUSIC);
  ASSERT_NE(low, 0);
  ASSERT_NE(high, 0);
  dsPlayLooping(low);
  EXPECT_NEAR(pitch(listen(0.2)), 441, 15);
  dsPlayLooping(high);
  const std::vector<int16_t> heard = listen(0.2);
  EXPECT_NEAR(pitch(heard), 882, 25);
  EXPECT_LT(peak(heard), 13000) << "one tune, not two";
  dsStop(high);
  EXPECT_EQ(peak(listen(0.2)), 0);
}

TEST(SoundDevice, ClosedDeviceRefusesEverythingQuietly) {
  setenv("SDL_AUDIODRIVER", "disk", 1);
  const std::string file =
      (std::filesystem::temp_directory_path() / ("zarvo_sound_closed_" + std::to_string(getpid()) + ".raw")).string();
  setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
  const int32_t device = dsInitialize(0);
  ASSERT_NE(device, 0);
  const std::vector<uint8_t> wav = tone_wav(0.2, 441);
  const int32_t id = dsCreateDSB(device, wav.data(), ZARVO_DSB_EFFECT);
  ASSERT_NE(id, 0);
  dsTerminate(device);
  dsPlay(id);
  dsFree(id);
  dsTerminate(device);
  EXPECT_EQ(dsCreateDSB(device, wav.data(), ZARVO_DSB_EFFECT), 0) << "a closed handle creates nothing";

  const int32_t again = dsInitialize(0);
  ASSERT_NE(again, 0);
  EXPECT_NE(again, device) << "a reopened device gets a new handle";
  EXPECT_EQ(dsCreateDSB(device, wav.data(), ZARVO_DSB_EFFECT), 0) << "the old handle stays dead";
  dsTerminate(again);
  std::filesystem::remove(file);
}

// The game must still end when the session or the user kills it.
TEST_F(DiskOutput, OpeningTheDeviceLeavesTerminationSignalsAlone) {
  for (int signal : {SIGTERM, SIGINT}) {
    struct sigaction action {};
    ASSERT_EQ(sigaction(signal, nullptr, &action), 0);
    EXPECT_EQ(action.sa_handler, SIG_DFL) << signal;
  }
}

// An unknown driver stands for a machine without audio.
TEST(SoundDevice, NoAudioDeviceGivesHandleZero) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  EXPECT_EQ(dsInitialize(0), 0);
  const std::vector<uint8_t> wav = tone_wav(0.2, 441);
  EXPECT_EQ(dsCreateDSB(0, wav.data(), ZARVO_DSB_EFFECT), 0);
  dsTerminate(0);
}

}  // namespace
