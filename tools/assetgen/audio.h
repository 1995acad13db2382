// Sound synthesis helpers and the Ogg Vorbis encoder.
#pragma once

#include <cstdint>
#include <vector>

#include "output.h"

namespace vorantis::assetgen {

inline constexpr int kSampleRate = 44100;

// Interleaved stereo samples in -1..1.
struct Stereo {
  std::vector<float> samples;
  std::size_t frames() const { return samples.size() / 2; }
  void Resize(std::size_t frames) { samples.assign(frames * 2, 0.0f); }
  // Adds a mono value at a frame, panned (-1 left .. 1 right); frames wrap around
  // when wrap is set, so note tails at a loop's end sound at its start.
  void Add(std::size_t frame, float value, float pan, bool wrap);
};

enum class Wave { kSine, kTriangle, kSaw, kSquare, kPulse25 };

struct Envelope {
  float attack = 0.005f, decay = 0.1f, sustain = 0.7f, release = 0.1f;
  // Level at time t (seconds) of a note held for length seconds.
  float At(float t, float length) const;
  float Tail() const { return release; }
};

struct Voice {
  Wave wave = Wave::kSine;
  Envelope envelope;
  float gain = 0.2f;
  float pan = 0;
  float detune = 0;     // second oscillator, in semitones (0: none)
  float lowpass = 1;    // one-pole coefficient 0..1 (1: open)
  float vibrato = 0;    // semitones
  float glideFrom = 0;  // semitones above the note at the start (pitch drop)
  float glideTime = 0.05f;
};

float Oscillator(Wave wave, double phase);
double MidiToHz(double midi);

// Renders one note into the buffer at the given start (seconds).
void RenderNote(Stereo& out, const Voice& voice, double start, double length, double midi, float velocity,
                bool wrap);

enum class Drum { kKick, kSnare, kHat, kOpenHat, kClap };
void RenderDrum(Stereo& out, Drum drum, double start, float velocity, std::uint64_t seed, bool wrap);

// Stereo feedback echo run around the loop twice so its tail is continuous.
void LoopEcho(Stereo& buffer, double seconds, float feedback, float mix);
// Soft saturation and scaling so the loudest peak sits at peak.
void Master(Stereo& buffer, float peak);

// Ogg Vorbis bytes of interleaved stereo samples (VBR quality -0.1..1).
std::vector<std::uint8_t> EncodeOgg(const Stereo& audio, float quality, int serial);

}  // namespace vorantis::assetgen
