// The ds* functions over plain SDL2 audio with a small mixer of our own. Every
// buffer holds its samples once, as the wave file recorded them; SDL's audio
// thread asks the mixer for each block of output, and the mixer reads the
// playing sounds from those samples, converting format, channels and rate as
// it goes. So neither a long tune nor a changed frequency costs a second copy,
// and no decoder library is loaded for four wave files.
#include "shell/sound_library/zarvo_sound.h"

#include <SDL.h>

#include <algorithm>
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
// No wave file of ours comes near this; a larger RIFF size is a damaged header.
constexpr uint64_t MAX_IMAGE_BYTES = uint64_t{512} << 20;

constexpr int32_t VOLUME_SILENT = -10000;
constexpr int32_t PAN_EDGE = 10000;
constexpr int32_t FREQUENCY_MIN = 100;
constexpr int32_t FREQUENCY_MAX = 200000;

struct Buffer {
  bool music = false;
  SDL_AudioFormat format = 0;
  int channels = 0;
  int32_t source_rate = 0;
  Uint8* samples = nullptr;  // owned, from SDL_LoadWAV_RW
  Uint32 frames = 0;
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

// Sample `channel` of frame `frame`, as -1 .. 1.
float sample_at(const Buffer& b, Uint32 frame, int channel) {
  const int bytes = SDL_AUDIO_BITSIZE(b.format) / 8;
  const Uint8* p = b.samples + (size_t{frame} * b.channels + channel) * bytes;
  const bool big = SDL_AUDIO_ISBIGENDIAN(b.format);
  switch (bytes) {
    case 1: return SDL_AUDIO_ISSIGNED(b.format) ? static_cast<Sint8>(p[0]) / 128.0f : (p[0] - 128) / 128.0f;
    case 2: {
      const auto v = static_cast<Sint16>(big ? p[0] << 8 | p[1] : p[1] << 8 | p[0]);
      return v / 32768.0f;
    }
    default: {
      const uint32_t u = big ? uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3] : le32(p);
      if (SDL_AUDIO_ISFLOAT(b.format)) {
        float f;
        std::memcpy(&f, &u, sizeof f);
        return std::isfinite(f) ? std::clamp(f, -1.0f, 1.0f) : 0.0f;
      }
      return static_cast<int32_t>(u) / 2147483648.0f;
    }
  }
}

// Adds one voice to the mix; false once a single play has run out.
bool mix_voice(Voice& v, float* out, int frames) {
  const Buffer& b = *v.buffer;
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
    const float l = sample_at(b, at, 0) * (1 - t) + sample_at(b, next, 0) * t;
    const float r =
        right_channel == 0 ? l : sample_at(b, at, right_channel) * (1 - t) + sample_at(b, next, right_channel) * t;
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
  for (auto& [id, b] : d.buffers) SDL_FreeWAV(b.samples);
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
  SDL_RWops* rw = SDL_RWFromFile(name, "rb");
  if (!rw) return 0;
  std::vector<Uint8> bytes;
  const Sint64 size = SDL_RWsize(rw);
  bool read = false;
  try {
    if (size >= 20 && static_cast<uint64_t>(size) <= MAX_IMAGE_BYTES) {
      bytes = std::vector<Uint8>(static_cast<size_t>(size));
      read = SDL_RWread(rw, bytes.data(), 1, bytes.size()) == bytes.size();
    }
  } catch (const std::bad_alloc&) {
  }
  SDL_RWclose(rw);
  if (!read) return 0;
  // The header must not claim more than the file holds.
  const uint32_t length = image_length(bytes.data());
  if (length == 0 || length > bytes.size()) return 0;
  return create(bytes.data(), length, flags);
}

void dsFree(int32_t id) {
  Buffer* b = find(id);
  if (!b) return;
  Device& d = device();
  {
    Locked lock;
    stop_voices(id);
  }
  SDL_FreeWAV(b->samples);
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
