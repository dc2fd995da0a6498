// The ds* functions over SDL2 audio. SDL reads each wave file and converts its
// samples once, when the buffer is made, to the sample format and rate of the
// output; what is left here is what the ds* calls mean (volume, pan, frequency,
// looping, one music at a time) and the sum of the sounds that play. The audio
// thread only reads samples already in memory, so a slow disk cannot stall it.
#include "shell/sound_library/zarvo_sound.h"

#include <SDL.h>
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <map>
#include <new>
#include <vector>

namespace {

constexpr int OUTPUT_RATE = 44100;
constexpr int OUTPUT_CHANNELS = 2;
// About 23 ms at 44.1 kHz: a piece is heard as it lands.
constexpr int OUTPUT_SAMPLES = 1024;
// More sounds than anyone can tell apart; a further one is skipped.
constexpr size_t MAX_VOICES = 256;
// No wave file of ours comes near this; a larger RIFF size is a damaged header,
// and a sound that would grow larger than this at the output rate is refused.
constexpr uint64_t MAX_IMAGE_BYTES = uint64_t{512} << 20;
// Silence after a recording, in frames for each 44.1 kHz of its rate and twice
// more: more than SDL's resampler keeps back at the end.
constexpr Uint32 CONVERT_PADDING_FRAMES = 512;

constexpr int32_t VOLUME_SILENT = -10000;
constexpr int32_t PAN_EDGE = 10000;
constexpr int32_t FREQUENCY_MIN = 100;
constexpr int32_t FREQUENCY_MAX = 200000;

struct Buffer {
  bool music = false;
  // Signed 16-bit frames at the output rate, one or two channels.
  std::vector<Sint16> samples;
  int channels = 1;
  Uint32 frames = 0;
  int32_t source_rate = 0;  // as recorded: a frequency is played relative to it
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

// Length of the whole wave image according to its RIFF header; 0 if it is not one.
uint32_t image_length(const Uint8* p) {
  if (std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVE", 4) != 0) return 0;
  const uint64_t length = uint64_t{le32(p + 4)} + 8;
  if (length < 20 || length > MAX_IMAGE_BYTES) return 0;
  return static_cast<uint32_t>(length);
}

// The recorded samples as the mixer reads them: signed 16-bit at the output rate,
// mono or stereo as recorded (SDL mixes more channels down to two). `data` is
// SDL's, from SDL_LoadWAV_RW, and may move.
//
// SDL 2.26 keeps the resampler's last input frames back even when flushed, and
// resamples a recording handed over in parts unevenly when it lowers the rate;
// so the recording goes in whole, followed by silence for SDL to keep instead,
// and what comes out is cut to the recording's own length.
bool convert(const SDL_AudioSpec& recorded, Uint8*& data, Uint32 bytes, Buffer& b) {
  b.channels = recorded.channels == 1 ? 1 : 2;
  const Uint32 frame = SDL_AUDIO_BITSIZE(recorded.format) / 8 * recorded.channels;
  const Uint32 frames = bytes / frame;
  const uint64_t length = uint64_t{frames} * OUTPUT_RATE / static_cast<uint64_t>(recorded.freq);
  const uint64_t padding = uint64_t{CONVERT_PADDING_FRAMES} * (static_cast<uint64_t>(recorded.freq) / OUTPUT_RATE + 2);
  const uint64_t in = (uint64_t{frames} + padding) * frame;
  if (length * b.channels * sizeof(Sint16) > MAX_IMAGE_BYTES || in > INT32_MAX) return false;
  auto* padded = static_cast<Uint8*>(SDL_realloc(data, static_cast<size_t>(in)));
  if (!padded) return false;
  data = padded;
  std::memset(data + size_t{frames} * frame, recorded.format == AUDIO_U8 ? 0x80 : 0,
              static_cast<size_t>(in) - size_t{frames} * frame);
  SDL_AudioStream* stream = SDL_NewAudioStream(recorded.format, recorded.channels, recorded.freq, AUDIO_S16SYS,
                                               static_cast<Uint8>(b.channels), OUTPUT_RATE);
  if (!stream) return false;
  bool ok = SDL_AudioStreamPut(stream, data, static_cast<int>(in)) == 0 && SDL_AudioStreamFlush(stream) == 0;
  try {
    const int available = ok ? SDL_AudioStreamAvailable(stream) : 0;
    b.samples.resize(std::min<size_t>(static_cast<size_t>(available) / sizeof(Sint16), length * b.channels));
    const auto wanted = static_cast<int>(b.samples.size() * sizeof(Sint16));
    ok = ok && (wanted == 0 || SDL_AudioStreamGet(stream, b.samples.data(), wanted) == wanted);
  } catch (const std::bad_alloc&) {
    ok = false;
  }
  SDL_FreeAudioStream(stream);
  b.frames = static_cast<Uint32>(b.samples.size() / b.channels);
  return ok;
}

// Adds one voice to the mix; false once a single play has run out.
bool mix_voice(Voice& v, float* out, int frames) {
  const Buffer& b = *v.buffer;
  if (b.frames == 0) return false;
  const int right_channel = b.channels - 1;
  const float left_gain = b.volume * b.left / 32768.0f;
  const float right_gain = b.volume * b.right / 32768.0f;
  for (int i = 0; i < frames; ++i) {
    if (v.position >= b.frames) {
      if (!v.looping) return false;
      v.position = std::fmod(v.position, static_cast<double>(b.frames));
    }
    // At another frequency than recorded, the sound between two frames is taken
    // on the straight line joining them.
    const auto at = static_cast<Uint32>(v.position);
    const auto t = static_cast<float>(v.position - at);
    Uint32 next = at + 1;
    if (next >= b.frames) next = v.looping ? 0 : at;
    const Sint16* here = b.samples.data() + size_t{at} * b.channels;
    const Sint16* there = b.samples.data() + size_t{next} * b.channels;
    out[2 * i] += (here[0] * (1 - t) + there[0] * t) * left_gain;
    out[2 * i + 1] += (here[right_channel] * (1 - t) + there[right_channel] * t) * right_gain;
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
  // The samples are already at the output rate: only a frequency of its own moves faster or slower.
  const double step = b->frequency != 0 && !b->music ? static_cast<double>(b->frequency) / b->source_rate : 1.0;
  d.voices.push_back({id, b, 0.0, step, looping});  // room for MAX_VOICES was reserved at open
}

int32_t create(const Uint8* image, uint32_t length, int32_t flags) {
  SDL_RWops* rw = SDL_RWFromConstMem(image, static_cast<int>(length));
  if (!rw) return 0;
  SDL_AudioSpec recorded{};
  Uint8* data = nullptr;
  Uint32 bytes = 0;
  if (!SDL_LoadWAV_RW(rw, 1, &recorded, &data, &bytes)) return 0;
  Buffer b;
  b.music = flags == ZARVO_DSB_MUSIC;
  b.source_rate = recorded.freq;
  const bool ok = recorded.channels >= 1 && recorded.freq > 0 && recorded.freq <= FREQUENCY_MAX &&
                  convert(recorded, data, bytes, b);
  SDL_FreeWAV(data);
  // SDL's working buffers for a long recording come to several times its size:
  // they go back to the system rather than stay in the heap for the whole game.
  malloc_trim(0);
  if (!ok) return 0;
  const int32_t id = take(next_id);
  try {
    device().buffers.emplace(id, std::move(b));
  } catch (const std::bad_alloc&) {
    return 0;
  }
  return id;
}

// Reads exactly `n` bytes from the start of the file; false at its end or on an error.
bool read_all(int fd, Uint8* to, size_t n) {
  for (size_t got = 0; got < n;) {
    const ssize_t r = pread(fd, to + got, n - got, static_cast<off_t>(got));
    if (r > 0) {
      got += static_cast<size_t>(r);
    } else if (r == 0 || errno != EINTR) {
      return false;
    }
  }
  return true;
}

// A sound from its open file, read whole, as if its image had been handed over.
int32_t load_whole(int fd, uint64_t file_size, int32_t flags) {
  if (file_size < 20 || file_size > MAX_IMAGE_BYTES) return 0;
  std::vector<Uint8> bytes;
  try {
    bytes = std::vector<Uint8>(static_cast<size_t>(file_size));
  } catch (const std::bad_alloc&) {
    return 0;
  }
  if (!read_all(fd, bytes.data(), bytes.size())) return 0;
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
    d.voices.reserve(MAX_VOICES);
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
  const bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  const int32_t id = regular ? load_whole(fd, static_cast<uint64_t>(st.st_size), flags) : 0;
  close(fd);
  return id;
}

void dsFree(int32_t id) {
  if (!find(id)) return;
  {
    Locked lock;
    stop_voices(id);
  }
  device().buffers.erase(id);
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
