/* Zarvo チェス sound library: sound effects and looping music over SDL2 audio
 * with a small mixer of its own, behind the fourteen ds* functions the game
 * was written against. Every buffer holds its sound in memory, converted once
 * to the output's format and rate when it is made; playing reads no file.
 *
 * Handles and buffer ids are 32-bit integers; 0 always means "none". Every
 * function accepts a device handle or buffer id of 0, or one that was already
 * freed, and then does nothing (creators return 0), so a program without an
 * audio device can make the same calls as one with sound.
 *
 * Units follow the usual DirectSound conventions:
 *   volume     hundredths of a decibel, -10000 (silent) .. 0 (full volume);
 *   pan        -10000 (left only) .. 0 (centre) .. 10000 (right only);
 *   frequency  playback sample rate in Hz, 100 .. 200000; 0 = the rate recorded in the file.
 * Values outside these ranges are clamped.
 *
 * All calls are expected from one thread; playback itself runs in SDL's audio thread.
 */
#ifndef ZARVO_SOUND_H
#define ZARVO_SOUND_H

#include <stdint.h>

#if defined(__GNUC__)
#define ZARVO_SOUND_API __attribute__((visibility("default")))
#else
#define ZARVO_SOUND_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Flags of dsCreateDSB / dsCreateResDSB. */
#define ZARVO_DSB_MUSIC 1  /* one music plays at a time; a new one stops the last */
#define ZARVO_DSB_EFFECT 3 /* any number of effects play mixed together */

/* Opens the audio device. The window handle is accepted for compatibility and not used.
 * Returns a non-zero device handle, or 0 when no audio device can be opened.
 * While the device is open, further calls return the same handle. */
ZARVO_SOUND_API int32_t dsInitialize(int32_t window);

/* Stops everything, frees every buffer still held and closes the device. */
ZARVO_SOUND_API void dsTerminate(int32_t device);

/* Creates a buffer from the complete image of a .wav file in memory. The length is
 * taken from the RIFF header; the image is copied, so the caller may free it as
 * soon as the call returns. Returns a buffer id, or 0 if the image is not a
 * playable wave file. Flags: ZARVO_DSB_MUSIC, otherwise an effect. */
ZARVO_SOUND_API int32_t dsCreateDSB(int32_t device, const void* wav, int32_t flags);

/* Creates a buffer from a named wave resource; this library's resources are .wav
 * files, so the name is a file path, of a regular file. The file is read whole and
 * closed before the call returns, so it may change or go afterwards. Returns a
 * buffer id or 0, as dsCreateDSB; a file shorter than its RIFF header says is refused. */
ZARVO_SOUND_API int32_t dsCreateResDSB(int32_t device, const char* name, int32_t flags);

/* Stops the buffer if it plays and releases it; the id becomes invalid. */
ZARVO_SOUND_API void dsFree(int32_t id);

/* Plays the buffer once. An effect that is still playing is started again on top
 * of itself; a music restarts from its beginning. */
ZARVO_SOUND_API void dsPlay(int32_t id);
ZARVO_SOUND_API void dsPlayPan(int32_t id, int32_t pan);
ZARVO_SOUND_API void dsPlayEx(int32_t id, int32_t volume, int32_t pan, int32_t frequency);

/* Plays the buffer over and over until dsStop. A music that already plays in a
 * loop simply continues. */
ZARVO_SOUND_API void dsPlayLooping(int32_t id);
ZARVO_SOUND_API void dsPlayLoopingEx(int32_t id, int32_t volume, int32_t pan, int32_t frequency);

/* Stops every playing instance of the buffer. */
ZARVO_SOUND_API void dsStop(int32_t id);

/* Settings of a buffer. Volume and pan change the instances already playing as
 * well as later plays; a new frequency applies from the next play. A music
 * buffer has a volume only: its pan and frequency stay as recorded. */
ZARVO_SOUND_API void dsSetVolume(int32_t id, int32_t volume);
ZARVO_SOUND_API void dsSetPan(int32_t id, int32_t pan);
ZARVO_SOUND_API void dsSetFrequency(int32_t id, int32_t frequency);

#ifdef __cplusplus
}
#endif

#endif /* ZARVO_SOUND_H */
