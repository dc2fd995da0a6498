// The ds* functions over SDL2_mixer. Effects are decoded once into mixer
// chunks and may play any number of times at once on free mixer channels;
// a music buffer keeps its own copy of the wave image and is streamed from it
// by SDL_mixer's single music player, so a long tune costs no decoding up front.
#include "shell/sound_library/zarvo_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <new>
#include <vector>

namespace {

constexpr int OUTPUT_RATE = 44100;
constexpr int OUTPUT_CHANNELS = 2;
// About 23 ms at 44.1 kHz: a piece is heard as it lands.
constexpr int OUTPUT_SAMPLES = 1024;
constexpr int FIRST_MIX_CHANNELS = 16;
constexpr int MAX_MIX_CHANNELS = 256;
// No wave file of ours comes near this; a larger RIFF size is a damaged header.
constexpr uint64_t MAX_IMAGE_BYTES = uint64_t{512} << 20;

constexpr int32_t VOLUME_SILENT = -10000;
constexpr int32_t PAN_EDGE = 10000;
constexpr int32_t FREQUENCY_MIN = 100;
constexpr int32_t FREQUENCY_MAX = 200000;

// The sound resampled for a frequency other than the recorded one.
struct Version {
  int32_t frequency = 0;
  std::vector<Uint8> pcm;
  Mix_Chunk* chunk = nullptr;
};

struct Buffer {
  bool music = false;
  int32_t source_rate = 0;
  Mix_Chunk* chunk = nullptr;  // effect, in the device's format
  std::vector<Uint8> image;    // music: the copy the stream reads from
  Mix_Music* stream = nullptr;
  int volume = MIX_MAX_VOLUME;
  Uint8 left = 255;
  Uint8 right = 255;
  int32_t frequency = 0;
  // Kept until the buffer is freed: an instance may still play at an older frequency.
  std::vector<std::unique_ptr<Version>> versions;
};

struct Device {
  int32_t handle = 0;  // 0 while closed
  int rate = 0;
  Uint16 format = 0;
  int channels = 0;
  int mix_channels = 0;
  std::map<int32_t, Buffer> buffers;
  Mix_Music* current_music = nullptr;
  bool music_looping = false;
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

// The sample rate recorded in the fmt chunk; 0 if the image has none.
int32_t recorded_rate(const Uint8* p, uint32_t length) {
  uint64_t pos = 12;
  while (pos + 8 <= length) {
    const uint32_t size = le32(p + pos + 4);
    if (std::memcmp(p + pos, "fmt ", 4) == 0) {
      if (size < 8 || pos + 16 > length) return 0;
      const uint32_t rate = le32(p + pos + 12);
      return rate > 0 && rate <= uint32_t{FREQUENCY_MAX} ? static_cast<int32_t>(rate) : 0;
    }
    pos += 8 + uint64_t{size} + (size & 1);
  }
  return 0;
}

Buffer* find(int32_t id) {
  Device& d = device();
  if (id == 0 || d.handle == 0) return nullptr;
  const auto it = d.buffers.find(id);
  return it == d.buffers.end() ? nullptr : &it->second;
}

bool is_open(int32_t handle) { return handle != 0 && handle == device().handle; }

int mixer_volume(int32_t volume) {
  // Hundredths of a decibel: -2000 is a tenth of the amplitude.
  const int32_t v = std::clamp(volume, VOLUME_SILENT, int32_t{0});
  if (v == VOLUME_SILENT) return 0;
  return static_cast<int>(std::lround(MIX_MAX_VOLUME * std::pow(10.0, v / 2000.0)));
}

void set_pan(Buffer& b, int32_t pan) {
  const int32_t p = std::clamp(pan, -PAN_EDGE, PAN_EDGE);
  // The side away from the pan is attenuated by |pan| hundredths of a decibel.
  const auto side = [](int32_t attenuation) {
    return attenuation >= PAN_EDGE ? Uint8{0} : static_cast<Uint8>(std::lround(255 * std::pow(10.0, -attenuation / 2000.0)));
  };
  b.left = p > 0 ? side(p) : Uint8{255};
  b.right = p < 0 ? side(-p) : Uint8{255};
}

int32_t clamp_frequency(int32_t frequency) {
  return frequency == 0 ? 0 : std::clamp(frequency, FREQUENCY_MIN, FREQUENCY_MAX);
}

bool plays(int channel, const Buffer& b) {
  if (!Mix_Playing(channel)) return false;
  const Mix_Chunk* c = Mix_GetChunk(channel);
  if (c == b.chunk) return true;
  for (const auto& v : b.versions)
    if (c == v->chunk) return true;
  return false;
}

template <class F>
void for_each_channel_of(const Buffer& b, F f) {
  const int n = device().mix_channels;
  for (int channel = 0; channel < n; ++channel)
    if (plays(channel, b)) f(channel);
}

// The chunk holds the sound at the device rate. Played at `frequency` instead of
// the recorded rate, it is that data taken as sampled at rate * frequency / recorded.
Mix_Chunk* version_for(Buffer& b, int32_t frequency) {
  if (frequency == 0 || b.source_rate == 0 || frequency == b.source_rate) return b.chunk;
  for (const auto& v : b.versions)
    if (v->frequency == frequency) return v->chunk;
  const Device& d = device();
  const int in_rate = std::max(1, static_cast<int>(std::lround(double(d.rate) * frequency / b.source_rate)));
  SDL_AudioStream* stream = SDL_NewAudioStream(d.format, static_cast<Uint8>(d.channels), in_rate, d.format,
                                               static_cast<Uint8>(d.channels), d.rate);
  if (!stream) return b.chunk;
  auto v = std::make_unique<Version>();
  v->frequency = frequency;
  if (SDL_AudioStreamPut(stream, b.chunk->abuf, static_cast<int>(b.chunk->alen)) == 0 &&
      SDL_AudioStreamFlush(stream) == 0) {
    v->pcm = std::vector<Uint8>(static_cast<size_t>(std::max(0, SDL_AudioStreamAvailable(stream))));
    const int got = SDL_AudioStreamGet(stream, v->pcm.data(), static_cast<int>(v->pcm.size()));
    v->pcm.erase(v->pcm.begin() + std::clamp<std::ptrdiff_t>(got, 0, std::ssize(v->pcm)), v->pcm.end());
  }
  SDL_FreeAudioStream(stream);
  if (v->pcm.empty()) return b.chunk;
  v->chunk = Mix_QuickLoad_RAW(v->pcm.data(), static_cast<Uint32>(v->pcm.size()));
  if (!v->chunk) return b.chunk;
  b.versions.push_back(std::move(v));
  return b.versions.back()->chunk;
}

// A channel that is free now, made by widening the mixer when every one is busy.
int free_channel() {
  Device& d = device();
  for (;;) {
    for (int channel = 0; channel < d.mix_channels; ++channel)
      if (!Mix_Playing(channel)) return channel;
    if (d.mix_channels >= MAX_MIX_CHANNELS) return -1;
    d.mix_channels = Mix_AllocateChannels(std::min(d.mix_channels * 2, MAX_MIX_CHANNELS));
  }
}

void play_music(Buffer& b, bool looping) {
  Device& d = device();
  if (looping && d.current_music == b.stream && d.music_looping && Mix_PlayingMusic()) return;
  Mix_VolumeMusic(b.volume);
  if (Mix_PlayMusic(b.stream, looping ? -1 : 0) == 0) {
    d.current_music = b.stream;
    d.music_looping = looping;
  }
}

void play(int32_t id, bool looping) {
  Buffer* b = find(id);
  if (!b) return;
  if (b->music) {
    play_music(*b, looping);
    return;
  }
  try {
    Mix_Chunk* chunk = version_for(*b, b->frequency);
    const int channel = free_channel();
    if (channel < 0) return;
    // Volume and pan go on before the start, so no sample plays at the old settings.
    Mix_Volume(channel, b->volume);
    Mix_SetPanning(channel, b->left, b->right);
    Mix_PlayChannel(channel, chunk, looping ? -1 : 0);
  } catch (const std::bad_alloc&) {
    // Out of memory for the resampled copy: the sound is skipped.
  }
}

void release(Buffer& b) {
  Device& d = device();
  if (b.stream) {
    if (d.current_music == b.stream) {
      Mix_HaltMusic();
      d.current_music = nullptr;
    }
    Mix_FreeMusic(b.stream);
    b.stream = nullptr;
  }
  // Freeing a chunk halts the channels that play it.
  for (auto& v : b.versions) Mix_FreeChunk(v->chunk);
  b.versions.clear();
  if (b.chunk) Mix_FreeChunk(b.chunk);
  b.chunk = nullptr;
}

int32_t create(const Uint8* image, uint32_t length, int32_t flags) {
  Device& d = device();
  const int32_t id = take(next_id);
  try {
    Buffer& b = d.buffers[id];
    b.music = flags == ZARVO_DSB_MUSIC;
    b.source_rate = recorded_rate(image, length);
    if (b.music) {
      b.image.assign(image, image + length);
      SDL_RWops* rw = SDL_RWFromConstMem(b.image.data(), static_cast<int>(length));
      b.stream = rw ? Mix_LoadMUSType_RW(rw, MUS_WAV, 1) : nullptr;
    } else {
      SDL_RWops* rw = SDL_RWFromConstMem(image, static_cast<int>(length));
      b.chunk = rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
    }
    if (b.stream || b.chunk) return id;
  } catch (const std::bad_alloc&) {
  }
  d.buffers.erase(id);
  return 0;
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
  if (Mix_OpenAudio(OUTPUT_RATE, AUDIO_S16SYS, OUTPUT_CHANNELS, OUTPUT_SAMPLES) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
  }
  Mix_QuerySpec(&d.rate, &d.format, &d.channels);
  d.mix_channels = Mix_AllocateChannels(FIRST_MIX_CHANNELS);
  d.current_music = nullptr;
  d.music_looping = false;
  d.handle = take(next_handle);
  return d.handle;
}

void dsTerminate(int32_t handle) {
  if (!is_open(handle)) return;
  Device& d = device();
  Mix_HaltMusic();
  Mix_HaltChannel(-1);
  for (auto& [id, b] : d.buffers) release(b);
  d.buffers.clear();
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  d.handle = 0;
  d.mix_channels = 0;
  d.current_music = nullptr;
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
  release(*b);
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
  Buffer* b = find(id);
  if (!b) return;
  Device& d = device();
  if (b->music) {
    if (d.current_music == b->stream) {
      Mix_HaltMusic();
      d.current_music = nullptr;
    }
    return;
  }
  for_each_channel_of(*b, [](int channel) { Mix_HaltChannel(channel); });
}

void dsSetVolume(int32_t id, int32_t volume) {
  Buffer* b = find(id);
  if (!b) return;
  b->volume = mixer_volume(volume);
  if (b->music) {
    if (device().current_music == b->stream) Mix_VolumeMusic(b->volume);
    return;
  }
  for_each_channel_of(*b, [b](int channel) { Mix_Volume(channel, b->volume); });
}

void dsSetPan(int32_t id, int32_t pan) {
  Buffer* b = find(id);
  if (!b || b->music) return;
  set_pan(*b, pan);
  for_each_channel_of(*b, [b](int channel) { Mix_SetPanning(channel, b->left, b->right); });
}

void dsSetFrequency(int32_t id, int32_t frequency) {
  Buffer* b = find(id);
  if (!b || b->music) return;
  // Takes effect from the next play: a playing chunk cannot change its rate.
  b->frequency = clamp_frequency(frequency);
}

}  // extern "C"
