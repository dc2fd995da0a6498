// The ds* functions over plain SDL2 audio with a small mixer of our own. Every
// buffer holds its samples once, as the wave file recorded them; SDL's audio
// thread asks the mixer for each block of output, and the mixer reads the
// playing sounds from those samples, converting format, channels and rate as
// it goes. So neither a long tune nor a changed frequency costs a second copy,
// and no decoder library is loaded for four wave files.
//
// The one exception is a music named by its file: the tune is the largest sound
// by far and plays for as long as the game runs, so it is not held at all. The
// file stays open and the audio thread reads the tune from it as it plays,
// through a small window that is refilled whenever the play position leaves it.
#include "shell/sound_library/zarvo_sound.h"

#include <SDL.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <map>
#include <new>
#include <optional>
#include <vector>

namespace {

constexpr int OUTPUT_RATE = 44100;
constexpr int OUTPUT_CHANNELS = 2;
// About 23 ms at 44.1 kHz: a piece is heard as it lands.
constexpr int OUTPUT_SAMPLES = 1024;
// More sounds than anyone can tell apart; a further one is skipped.
constexpr size_t MAX_VOICES = 256;
// No wave file of ours comes near this; a larger RIFF size is a damaged header.
constexpr uint64_t MAX_IMAGE_BYTES = uint64_t{512} << 20;
// A streamed music is read this much at a time: 0.37 s of our 22.05 kHz mono
// tune, and at least two frames of any layout (255 channels of 4 bytes at most).
constexpr size_t STREAM_WINDOW_BYTES = 16 * 1024;
// A file with more chunks than this before its sound is not one of ours; it is
// left to SDL's reader rather than walked any further.
constexpr int MAX_CHUNKS = 1000;

constexpr int32_t VOLUME_SILENT = -10000;
constexpr int32_t PAN_EDGE = 10000;
constexpr int32_t FREQUENCY_MIN = 100;
constexpr int32_t FREQUENCY_MAX = 200000;

struct Buffer {
  bool music = false;
  SDL_AudioFormat format = 0;
  int channels = 0;
  int32_t source_rate = 0;
  Uint8* samples = nullptr;  // owned, from SDL_LoadWAV_RW; null when streamed
  Uint32 frames = 0;
  // A streamed music: its open file, where the samples start in it, and the frames
  // window_first .. window_first + window_frames - 1 as last read. Both vectors are
  // sized at creation; the audio thread only reads into them. Only one voice
  // ever plays a music, so the window has a single reader.
  int fd = -1;
  off_t data_start = 0;
  std::vector<Uint8> window;
  std::vector<Uint8> first_frame;  // for the step from the last frame to the first when it loops
  Uint32 window_first = 0;
  Uint32 window_frames = 0;
  // Read by the audio thread; changed only while the device is locked.
  float volume = 1.0f;
  float left = 1.0f;
  float right = 1.0f;
  int32_t frequency = 0;  // 0: as recorded; applies from the next play
};

// One sound being played: where it is, and how far it moves per output frame.
struct Voice {
  int32_t id = 0;
  Buffer* buffer = nullptr;
  double position = 0;
  double step = 1;
  bool looping = false;
};

struct Device {
  int32_t handle = 0;  // 0 while closed
  SDL_AudioDeviceID sdl = 0;
  std::map<int32_t, Buffer> buffers;
  std::vector<Voice> voices;
  std::vector<float> mix;  // the audio thread's scratch, sized at open
};

Device& device() {
  static Device d;
  return d;
}

// Handles and ids are never reused, so a stale one can only miss.
int32_t next_handle = 1;
int32_t next_id = 1;

int32_t take(int32_t& counter) {
  const int32_t value = counter;
  counter = counter == INT32_MAX ? 1 : counter + 1;
  return value;
}

// Holds the audio thread off while the voices or a buffer's settings change.
class Locked {
 public:
  Locked() : sdl_(device().sdl) {
    if (sdl_) SDL_LockAudioDevice(sdl_);
  }
  ~Locked() {
    if (sdl_) SDL_UnlockAudioDevice(sdl_);
  }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;

 private:
  SDL_AudioDeviceID sdl_;
};

uint32_t le32(const Uint8* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

uint16_t le16(const Uint8* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

size_t frame_size(const Buffer& b) { return size_t{SDL_AUDIO_BITSIZE(b.format)} / 8 * b.channels; }

// Length of the whole wave image according to its RIFF header; 0 if it is not one.
uint32_t image_length(const Uint8* p) {
  if (std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVE", 4) != 0) return 0;
  const uint64_t length = uint64_t{le32(p + 4)} + 8;
  if (length < 20 || length > MAX_IMAGE_BYTES) return 0;
  return static_cast<uint32_t>(length);
}

// The sample formats SDL's wave reader hands out, ADPCM and 24-bit already widened.
bool readable(SDL_AudioFormat format) {
  switch (format) {
    case AUDIO_U8:
    case AUDIO_S8:
    case AUDIO_S16LSB:
    case AUDIO_S16MSB:
    case AUDIO_S32LSB:
    case AUDIO_S32MSB:
    case AUDIO_F32LSB:
    case AUDIO_F32MSB: return true;
    default: return false;
  }
}

// Sample `channel` of the frame whose bytes start at `frame`, as -1 .. 1.
float sample_at(SDL_AudioFormat format, const Uint8* frame, int channel) {
  const int bytes = SDL_AUDIO_BITSIZE(format) / 8;
  const Uint8* p = frame + static_cast<size_t>(channel) * bytes;
  const bool big = SDL_AUDIO_ISBIGENDIAN(format);
  switch (bytes) {
    case 1: return SDL_AUDIO_ISSIGNED(format) ? static_cast<Sint8>(p[0]) / 128.0f : (p[0] - 128) / 128.0f;
    case 2: {
      const auto v = static_cast<Sint16>(big ? p[0] << 8 | p[1] : p[1] << 8 | p[0]);
      return v / 32768.0f;
    }
    default: {
      const uint32_t u = big ? uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3] : le32(p);
      if (SDL_AUDIO_ISFLOAT(format)) {
        float f;
        std::memcpy(&f, &u, sizeof f);
        return std::isfinite(f) ? std::clamp(f, -1.0f, 1.0f) : 0.0f;
      }
      return static_cast<int32_t>(u) / 2147483648.0f;
    }
  }
}

// Reads exactly `n` bytes at `offset`; false at the end of the file or on an error.
bool read_at(int fd, void* to, size_t n, off_t offset) {
  auto* p = static_cast<Uint8*>(to);
  for (size_t got = 0; got < n;) {
    const ssize_t r = pread(fd, p + got, n - got, offset + static_cast<off_t>(got));
    if (r > 0) {
      got += static_cast<size_t>(r);
    } else if (r == 0 || errno != EINTR) {
      return false;
    }
  }
  return true;
}

// Reads the frames from `first` on into the window, as many as it holds. Runs in
// the audio thread: no allocation, and a failed or short read only leaves the
// window empty.
bool read_window(Buffer& b, Uint32 first) {
  const size_t size = frame_size(b);
  const Uint32 count = static_cast<Uint32>(std::min<size_t>(b.window.size() / size, b.frames - first));
  const size_t want = count * size;
  const off_t from = b.data_start + static_cast<off_t>(first) * static_cast<off_t>(size);
  b.window_frames = 0;
  if (!read_at(b.fd, b.window.data(), want, from)) return false;  // the file ended early or cannot be read
  b.window_first = first;
  b.window_frames = count;
  return true;
}

// The bytes of frame `at` and of `next`, the frame after it (or `at` itself at the
// end of a single play, or the first frame when it loops). False when a streamed
// music cannot be read there.
bool frames_at(Buffer& b, Uint32 at, Uint32 next, const Uint8*& here, const Uint8*& there) {
  const size_t size = frame_size(b);
  if (b.fd < 0) {
    here = b.samples + at * size;
    there = b.samples + next * size;
    return true;
  }
  const Uint32 following = next > at ? 1 : 0;
  if ((at < b.window_first || at - b.window_first + following >= b.window_frames) && !read_window(b, at)) return false;
  here = b.window.data() + (at - b.window_first) * size;
  there = next > at ? here + size : next == at ? here : b.first_frame.data();
  return true;
}

// Adds one voice to the mix; false once a single play has run out.
bool mix_voice(Voice& v, float* out, int frames) {
  Buffer& b = *v.buffer;
  if (b.frames == 0) return false;
  const int right_channel = b.channels > 1 ? 1 : 0;
  const float left_gain = b.volume * b.left;
  const float right_gain = b.volume * b.right;
  for (int i = 0; i < frames; ++i) {
    if (v.position >= b.frames) {
      if (!v.looping) return false;
      v.position = std::fmod(v.position, static_cast<double>(b.frames));
    }
    // Between two recorded frames the sound is taken on the straight line joining them.
    const auto at = static_cast<Uint32>(v.position);
    const auto t = static_cast<float>(v.position - at);
    Uint32 next = at + 1;
    if (next >= b.frames) next = v.looping ? 0 : at;
    const Uint8* here = nullptr;
    const Uint8* there = nullptr;
    if (!frames_at(b, at, next, here, there)) {
      // The file gave nothing here: this sound is silent for the rest of the block,
      // keeping its pace, and the next block tries to read again.
      v.position += v.step * (frames - i);
      return true;
    }
    const SDL_AudioFormat f = b.format;
    const float l = sample_at(f, here, 0) * (1 - t) + sample_at(f, there, 0) * t;
    const float r =
        right_channel == 0 ? l : sample_at(f, here, right_channel) * (1 - t) + sample_at(f, there, right_channel) * t;
    out[2 * i] += l * left_gain;
    out[2 * i + 1] += r * right_gain;
    v.position += v.step;
  }
  return true;
}

// SDL's audio thread: the next block of output, signed 16-bit stereo.
void SDLCALL fill(void*, Uint8* stream, int length) {
  Device& d = device();
  auto* out = reinterpret_cast<Sint16*>(stream);
  const int frames = length / static_cast<int>(OUTPUT_CHANNELS * sizeof(Sint16));
  const int capacity = static_cast<int>(d.mix.size() / OUTPUT_CHANNELS);
  float* mix = d.mix.data();
  for (int done = 0; done < frames;) {
    const int n = std::min(capacity, frames - done);
    std::fill_n(mix, static_cast<size_t>(n) * OUTPUT_CHANNELS, 0.0f);
    std::erase_if(d.voices, [&](Voice& v) { return !mix_voice(v, mix, n); });
    for (int i = 0; i < n * OUTPUT_CHANNELS; ++i)
      out[done * OUTPUT_CHANNELS + i] = static_cast<Sint16>(std::lround(std::clamp(mix[i], -1.0f, 1.0f) * 32767.0f));
    done += n;
  }
}

Buffer* find(int32_t id) {
  Device& d = device();
  if (id == 0 || d.handle == 0) return nullptr;
  const auto it = d.buffers.find(id);
  return it == d.buffers.end() ? nullptr : &it->second;
}

bool is_open(int32_t handle) { return handle != 0 && handle == device().handle; }

float gain(int32_t hundredths_of_db) {
  // Hundredths of a decibel: -2000 is a tenth of the amplitude.
  const int32_t v = std::clamp(hundredths_of_db, VOLUME_SILENT, int32_t{0});
  return v == VOLUME_SILENT ? 0.0f : static_cast<float>(std::pow(10.0, v / 2000.0));
}

void set_pan(Buffer& b, int32_t pan) {
  const int32_t p = std::clamp(pan, -PAN_EDGE, PAN_EDGE);
  // The side away from the pan is attenuated by |pan| hundredths of a decibel.
  b.left = p > 0 ? gain(-p) : 1.0f;
  b.right = p < 0 ? gain(p) : 1.0f;
}

int32_t clamp_frequency(int32_t frequency) {
  return frequency == 0 ? 0 : std::clamp(frequency, FREQUENCY_MIN, FREQUENCY_MAX);
}

void stop_voices(int32_t id) {
  std::erase_if(device().voices, [id](const Voice& v) { return v.id == id; });
}

void play(int32_t id, bool looping) {
  Buffer* b = find(id);
  if (!b || b->frames == 0) return;
  Device& d = device();
  Locked lock;
  if (b->music) {
    // One music at a time; asking again for the tune that loops lets it go on.
    const auto same =
        std::find_if(d.voices.begin(), d.voices.end(), [&](const Voice& v) { return v.id == id && v.looping; });
    if (looping && same != d.voices.end()) return;
    std::erase_if(d.voices, [](const Voice& v) { return v.buffer->music; });
  }
  if (d.voices.size() >= MAX_VOICES) return;
  const int32_t rate = b->frequency != 0 && !b->music ? b->frequency : b->source_rate;
  try {
    d.voices.push_back({id, b, 0.0, static_cast<double>(rate) / OUTPUT_RATE, looping});
  } catch (const std::bad_alloc&) {
    // Out of memory for one more voice: the sound is skipped.
  }
}

int32_t create(const Uint8* image, uint32_t length, int32_t flags) {
  SDL_RWops* rw = SDL_RWFromConstMem(image, static_cast<int>(length));
  if (!rw) return 0;
  SDL_AudioSpec wav_format{};
  Uint8* samples = nullptr;
  Uint32 bytes = 0;
  if (!SDL_LoadWAV_RW(rw, 1, &wav_format, &samples, &bytes)) return 0;
  const int frame_bytes = SDL_AUDIO_BITSIZE(wav_format.format) / 8 * wav_format.channels;
  if (!readable(wav_format.format) || wav_format.channels < 1 || wav_format.freq <= 0 ||
      wav_format.freq > FREQUENCY_MAX) {
    SDL_FreeWAV(samples);
    return 0;
  }
  Device& d = device();
  const int32_t id = take(next_id);
  try {
    Buffer& b = d.buffers[id];
    b.music = flags == ZARVO_DSB_MUSIC;
    b.format = wav_format.format;
    b.channels = wav_format.channels;
    b.source_rate = wav_format.freq;
    b.samples = samples;
    b.frames = bytes / static_cast<Uint32>(frame_bytes);
    return id;
  } catch (const std::bad_alloc&) {
    SDL_FreeWAV(samples);
    return 0;
  }
}

// Gives back what a buffer holds: its samples, or its open file.
void release(Buffer& b) {
  SDL_FreeWAV(b.samples);
  b.samples = nullptr;
  if (b.fd >= 0) close(b.fd);
  b.fd = -1;
}

// Where the samples of a streamable wave file lie, and how to read them.
struct StreamLayout {
  SDL_AudioFormat format = 0;
  int channels = 0;
  int32_t rate = 0;
  off_t data_start = 0;
  Uint32 frames = 0;
};

// The sample format of a "fmt " chunk whose samples the mixer can read straight
// from the file: integer PCM of 8, 16 or 32 bits or 32-bit float, plain or in the
// extensible form. 0 for anything else (compressed, 24-bit, big-endian, ...),
// which SDL's reader then loads and converts as any other sound.
SDL_AudioFormat stream_format(const Uint8* fmt, uint32_t fmt_size) {
  uint16_t tag = le16(fmt);
  const uint16_t bits = le16(fmt + 14);
  if (tag == 0xFFFE) {
    // WAVE_FORMAT_EXTENSIBLE: the real tag opens the sub-format GUID, whose
    // other 14 bytes are the same for every format with a plain tag.
    static constexpr Uint8 GUID_TAIL[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                            0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
    if (fmt_size < 40 || le16(fmt + 16) < 22 || le16(fmt + 18) != bits) return 0;
    if (std::memcmp(fmt + 26, GUID_TAIL, sizeof GUID_TAIL) != 0) return 0;
    tag = le16(fmt + 24);
  }
  if (tag == 1 && bits == 8) return AUDIO_U8;
  if (tag == 1 && bits == 16) return AUDIO_S16LSB;
  if (tag == 1 && bits == 32) return AUDIO_S32LSB;
  if (tag == 3 && bits == 32) return AUDIO_F32LSB;
  return 0;
}

// Walks the RIFF chunks of the open file up to its sound. A layout only for a
// file the mixer can play straight from disk, with the same samples SDL's reader
// would give; anything else (no usable "fmt " before "data", a format it does not
// take, an empty or damaged file) is nullopt and goes the way of every other sound.
std::optional<StreamLayout> stream_layout(int fd, uint64_t file_size) {
  Uint8 header[12];
  if (!read_at(fd, header, sizeof header, 0) || std::memcmp(header, "RIFF", 4) != 0 ||
      std::memcmp(header + 8, "WAVE", 4) != 0)
    return std::nullopt;
  // Only the bytes the RIFF header counts are the wave, as for an image in memory.
  const uint64_t end = uint64_t{le32(header + 4)} + 8;
  if (end < 20 || end > MAX_IMAGE_BYTES || end > file_size) return std::nullopt;

  StreamLayout layout;
  Uint8 fmt[40];
  uint32_t fmt_size = 0;
  uint64_t offset = 12;
  for (int chunks = 0; chunks < MAX_CHUNKS && offset + 8 <= end; ++chunks) {
    Uint8 chunk[8];
    if (!read_at(fd, chunk, sizeof chunk, static_cast<off_t>(offset))) return std::nullopt;
    const uint32_t size = le32(chunk + 4);
    const uint64_t body = offset + 8;
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (fmt_size != 0 || size < 16 || body + size > end) return std::nullopt;
      fmt_size = size;
      if (!read_at(fd, fmt, std::min<size_t>(size, sizeof fmt), static_cast<off_t>(body))) return std::nullopt;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (fmt_size == 0) return std::nullopt;
      layout.format = stream_format(fmt, fmt_size);
      layout.channels = le16(fmt + 2);
      layout.rate = static_cast<int32_t>(std::min<uint32_t>(le32(fmt + 4), INT32_MAX));
      const uint32_t block = le16(fmt + 12);
      if (layout.format == 0 || layout.channels < 1 || layout.channels > 255 || layout.rate <= 0 ||
          layout.rate > FREQUENCY_MAX ||
          block != static_cast<uint32_t>(SDL_AUDIO_BITSIZE(layout.format) / 8 * layout.channels))
        return std::nullopt;
      // A data chunk that claims more than the wave holds is played as far as it goes,
      // in whole frames, as SDL's reader does with an image.
      const uint64_t bytes = std::min<uint64_t>(size, end - body);
      layout.data_start = static_cast<off_t>(body);
      layout.frames = static_cast<Uint32>(bytes / block);
      if (layout.frames == 0) return std::nullopt;
      return layout;
    }
    // Any other chunk is skipped, with the pad byte after an odd size.
    offset = body + size + (size & 1);
  }
  return std::nullopt;
}

// A music that plays from its open file, which the buffer then owns; 0 and the
// file closed if it cannot be read.
int32_t create_streamed(int fd, const StreamLayout& layout) {
  Device& d = device();
  const int32_t id = take(next_id);
  try {
    Buffer& b = d.buffers[id];
    b.music = true;
    b.format = layout.format;
    b.channels = layout.channels;
    b.source_rate = layout.rate;
    b.frames = layout.frames;
    b.fd = fd;
    b.data_start = layout.data_start;
    const size_t size = frame_size(b);
    b.window.resize(STREAM_WINDOW_BYTES / size * size);
    // The first window is read now, so that the tune starts without waiting on the
    // disk and the first frame is kept for the loop.
    if (read_window(b, 0)) {
      b.first_frame.assign(b.window.begin(), b.window.begin() + static_cast<std::ptrdiff_t>(size));
      return id;
    }
  } catch (const std::bad_alloc&) {
  }
  const auto it = d.buffers.find(id);
  if (it != d.buffers.end()) {
    release(it->second);
    d.buffers.erase(it);
  } else {
    close(fd);
  }
  return 0;
}

// Any sound from its open file, loaded whole and kept as SDL's reader gives it.
int32_t load_whole(int fd, uint64_t file_size, int32_t flags) {
  if (file_size < 20 || file_size > MAX_IMAGE_BYTES) return 0;
  std::vector<Uint8> bytes;
  try {
    bytes = std::vector<Uint8>(static_cast<size_t>(file_size));
  } catch (const std::bad_alloc&) {
    return 0;
  }
  if (!read_at(fd, bytes.data(), bytes.size(), 0)) return 0;
  // The header must not claim more than the file holds.
  const uint32_t length = image_length(bytes.data());
  if (length == 0 || length > bytes.size()) return 0;
  return create(bytes.data(), length, flags);
}

}  // namespace

extern "C" {

int32_t dsInitialize(int32_t /*window*/) {
  Device& d = device();
  if (d.handle != 0) return d.handle;
  SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Zarvo チェス");
  // Audio brings up SDL's event subsystem, whose SIGINT/SIGTERM handlers would only
  // queue a quit event nobody reads: the program would no longer end on a plain kill.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
  SDL_AudioSpec want{};
  want.freq = OUTPUT_RATE;
  want.format = AUDIO_S16SYS;
  want.channels = OUTPUT_CHANNELS;
  want.samples = OUTPUT_SAMPLES;
  want.callback = fill;
  // Without allowed changes SDL converts to whatever the hardware takes, so the mixer
  // always writes the one format above; a larger block is mixed in parts.
  try {
    d.mix.assign(size_t{OUTPUT_SAMPLES} * OUTPUT_CHANNELS, 0.0f);
  } catch (const std::bad_alloc&) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
  }
  SDL_AudioSpec have{};
  d.sdl = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (d.sdl == 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
  }
  d.voices.reserve(MAX_VOICES);
  d.handle = take(next_handle);
  SDL_PauseAudioDevice(d.sdl, 0);
  return d.handle;
}

void dsTerminate(int32_t handle) {
  if (!is_open(handle)) return;
  Device& d = device();
  SDL_CloseAudioDevice(d.sdl);  // the audio thread has stopped when this returns
  d.sdl = 0;
  d.voices.clear();
  for (auto& [id, b] : d.buffers) release(b);
  d.buffers.clear();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  d.handle = 0;
}

int32_t dsCreateDSB(int32_t handle, const void* wav, int32_t flags) {
  if (!is_open(handle) || wav == nullptr) return 0;
  const auto* image = static_cast<const Uint8*>(wav);
  const uint32_t length = image_length(image);
  return length == 0 ? 0 : create(image, length, flags);
}

int32_t dsCreateResDSB(int32_t handle, const char* name, int32_t flags) {
  if (!is_open(handle) || name == nullptr) return 0;
  // Without O_NONBLOCK a named pipe would hold the open until someone writes to it.
  const int fd = open(name, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return 0;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return 0;
  }
  const auto size = static_cast<uint64_t>(st.st_size);
  if (flags == ZARVO_DSB_MUSIC) {
    if (const std::optional<StreamLayout> layout = stream_layout(fd, size)) return create_streamed(fd, *layout);
  }
  const int32_t id = load_whole(fd, size, flags);
  close(fd);
  return id;
}

void dsFree(int32_t id) {
  Buffer* b = find(id);
  if (!b) return;
  Device& d = device();
  {
    Locked lock;
    stop_voices(id);
  }
  release(*b);
  d.buffers.erase(id);
}

void dsPlay(int32_t id) { play(id, false); }

void dsPlayPan(int32_t id, int32_t pan) {
  dsSetPan(id, pan);
  play(id, false);
}

void dsPlayEx(int32_t id, int32_t volume, int32_t pan, int32_t frequency) {
  dsSetVolume(id, volume);
  dsSetPan(id, pan);
  dsSetFrequency(id, frequency);
  play(id, false);
}

void dsPlayLooping(int32_t id) { play(id, true); }

void dsPlayLoopingEx(int32_t id, int32_t volume, int32_t pan, int32_t frequency) {
  dsSetVolume(id, volume);
  dsSetPan(id, pan);
  dsSetFrequency(id, frequency);
  play(id, true);
}

void dsStop(int32_t id) {
  if (!find(id)) return;
  Locked lock;
  stop_voices(id);
}

void dsSetVolume(int32_t id, int32_t volume) {
  Buffer* b = find(id);
  if (!b) return;
  Locked lock;
  b->volume = gain(volume);
}

void dsSetPan(int32_t id, int32_t pan) {
  Buffer* b = find(id);
  if (!b || b->music) return;
  Locked lock;
  set_pan(*b, pan);
}

void dsSetFrequency(int32_t id, int32_t frequency) {
  Buffer* b = find(id);
  if (!b || b->music) return;
  b->frequency = clamp_frequency(frequency);
}

}  // extern "C"
