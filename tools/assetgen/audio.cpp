#include "audio.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace vorantis::assetgen {

namespace {
constexpr double kTwoPi = 6.283185307179586;
}

void Stereo::Add(std::size_t frame, float value, float pan, bool wrap) {
  std::size_t n = frames();
  if (n == 0) return;
  if (frame >= n) {
    if (!wrap) return;
    frame %= n;
  }
  float left = std::sqrt(0.5f * (1 - pan)), right = std::sqrt(0.5f * (1 + pan));
  samples[frame * 2] += value * left;
  samples[frame * 2 + 1] += value * right;
}

float Envelope::At(float t, float length) const {
  auto held = [&](float u) {
    if (u < attack) return u / attack;
    if (u < attack + decay) return 1 - (1 - sustain) * (u - attack) / decay;
    return sustain;
  };
  if (t < length) return held(t);
  float r = t - length;
  if (r >= release) return 0;
  return held(length) * (1 - r / release);
}

float Oscillator(Wave wave, double phase) {
  double p = phase - std::floor(phase);
  switch (wave) {
    case Wave::kSine:
      return static_cast<float>(std::sin(kTwoPi * p));
    case Wave::kTriangle:
      return static_cast<float>(p < 0.5 ? 4 * p - 1 : 3 - 4 * p);
    case Wave::kSaw:
      return static_cast<float>(2 * p - 1);
    case Wave::kSquare:
      return p < 0.5 ? 1.0f : -1.0f;
    case Wave::kPulse25:
      return p < 0.25 ? 1.0f : -1.0f;
  }
  return 0;
}

double MidiToHz(double midi) {
  return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

void RenderNote(Stereo& out, const Voice& v, double start, double length, double midi, float velocity,
                bool wrap) {
  std::size_t first = static_cast<std::size_t>(std::llround(start * kSampleRate));
  std::size_t count = static_cast<std::size_t>((length + v.envelope.Tail()) * kSampleRate);
  double phase = 0, phase2 = 0.25;
  float filtered = 0;
  const bool steady = v.vibrato == 0 && v.glideFrom == 0;
  const double steadyHz = MidiToHz(midi), steadyHz2 = MidiToHz(midi + v.detune);
  for (std::size_t i = 0; i < count; ++i) {
    float t = static_cast<float>(i) / kSampleRate;
    double pitch = midi;
    if (!steady) {
      pitch += v.glideFrom * std::exp(-t / v.glideTime);
      if (v.vibrato > 0) pitch += v.vibrato * std::min(1.0f, t * 3) * std::sin(kTwoPi * 5.5 * t);
    }
    phase += (steady ? steadyHz : MidiToHz(pitch)) / kSampleRate;
    float s = Oscillator(v.wave, phase);
    if (v.detune != 0) {
      phase2 += (steady ? steadyHz2 : MidiToHz(pitch + v.detune)) / kSampleRate;
      s = 0.5f * (s + Oscillator(v.wave, phase2));
    }
    filtered += v.lowpass * (s - filtered);
    out.Add(first + i, filtered * v.envelope.At(t, static_cast<float>(length)) * v.gain * velocity, v.pan,
            wrap);
  }
}

void RenderDrum(Stereo& out, Drum drum, double start, float velocity, std::uint64_t seed, bool wrap) {
  Rng noise(seed);
  std::size_t first = static_cast<std::size_t>(std::llround(start * kSampleRate));
  float seconds = drum == Drum::kKick      ? 0.35f
                  : drum == Drum::kSnare   ? 0.22f
                  : drum == Drum::kOpenHat ? 0.25f
                  : drum == Drum::kClap    ? 0.2f
                                           : 0.06f;
  std::size_t count = static_cast<std::size_t>(seconds * kSampleRate);
  double phase = 0;
  float previous = 0, high = 0, band = 0;
  for (std::size_t i = 0; i < count; ++i) {
    float t = static_cast<float>(i) / kSampleRate;
    float n = static_cast<float>(noise.Unit() * 2 - 1);
    float value = 0, pan = 0;
    switch (drum) {
      case Drum::kKick:
        phase += (45 + 110 * std::exp(-t * 30)) / kSampleRate;
        value = 0.9f * static_cast<float>(std::sin(kTwoPi * phase)) * std::exp(-t * 9);
        break;
      case Drum::kSnare:
        phase += 185.0 / kSampleRate;
        band += 0.35f * (n - band);
        value = 0.45f * static_cast<float>(std::sin(kTwoPi * phase)) * std::exp(-t * 30) +
                0.5f * (n - band) * std::exp(-t * 16);
        pan = 0.1f;
        break;
      case Drum::kClap: {
        float bursts = t < 0.03f ? (std::fmod(t, 0.01f) < 0.004f ? 1.0f : 0.3f) : std::exp(-(t - 0.03f) * 20);
        band += 0.5f * (n - band);
        value = 0.5f * band * bursts;
        pan = -0.15f;
        break;
      }
      case Drum::kHat:
      case Drum::kOpenHat:
        high = n - previous;  // first difference: a crude high-pass
        previous = n;
        value = 0.22f * high * std::exp(-t * (drum == Drum::kHat ? 70.0f : 14.0f));
        pan = 0.3f;
        break;
    }
    out.Add(first + i, value * velocity, pan, wrap);
  }
}

void LoopEcho(Stereo& buffer, double seconds, float feedback, float mix) {
  std::size_t n = buffer.frames(), delay = static_cast<std::size_t>(seconds * kSampleRate);
  if (n == 0 || delay == 0) return;
  std::vector<float> dry = buffer.samples, line(delay * 2, 0.0f);
  std::size_t pos = 0;
  for (int pass = 0; pass < 2; ++pass)
    for (std::size_t i = 0; i < n; ++i) {
      // Ping-pong: each channel feeds the other.
      float l = line[pos * 2], r = line[pos * 2 + 1];
      line[pos * 2] = dry[i * 2 + 1] * 0.5f + r * feedback;
      line[pos * 2 + 1] = dry[i * 2] * 0.5f + l * feedback;
      if (pass == 1) {
        buffer.samples[i * 2] = dry[i * 2] + mix * l;
        buffer.samples[i * 2 + 1] = dry[i * 2 + 1] + mix * r;
      }
      pos = (pos + 1) % delay;
    }
}

void Master(Stereo& buffer, float peak) {
  float loudest = 1e-6f;
  for (float& s : buffer.samples) {
    s = std::tanh(s * 1.2f);
    loudest = std::max(loudest, std::abs(s));
  }
  for (float& s : buffer.samples) s *= peak / loudest;
}

std::vector<std::uint8_t> EncodeOgg(const Stereo& audio, float quality, int serial) {
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, 2, kSampleRate, quality))
    throw std::runtime_error("vorbis encoder refused");
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_comment_add_tag(&vc, "ENCODER", "FOUNDRY TRACKER");
  vorbis_dsp_state vd;
  vorbis_block vb;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, serial);
  std::vector<std::uint8_t> out;
  ogg_page og;
  ogg_packet op;
  auto emit = [&](ogg_page& page) {
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
  };
  ogg_packet header, comments, codebooks;
  vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
  ogg_stream_packetin(&os, &header);
  ogg_stream_packetin(&os, &comments);
  ogg_stream_packetin(&os, &codebooks);
  while (ogg_stream_flush(&os, &og)) emit(og);

  const std::size_t chunk = 4096;
  std::size_t frames = audio.frames();
  std::size_t at = 0;
  bool ended = false;
  while (!ended) {
    std::size_t count = std::min(chunk, frames - at);
    if (count == 0) {
      vorbis_analysis_wrote(&vd, 0);
      ended = true;
    } else {
      float** buffer = vorbis_analysis_buffer(&vd, static_cast<int>(count));
      for (std::size_t i = 0; i < count; ++i) {
        buffer[0][i] = audio.samples[(at + i) * 2];
        buffer[1][i] = audio.samples[(at + i) * 2 + 1];
      }
      vorbis_analysis_wrote(&vd, static_cast<int>(count));
      at += count;
    }
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      while (vorbis_bitrate_flushpacket(&vd, &op)) {
        ogg_stream_packetin(&os, &op);
        while (ogg_stream_pageout(&os, &og)) emit(og);
      }
    }
  }
  while (ogg_stream_flush(&os, &og)) emit(og);
  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return out;
}

}  // namespace vorantis::assetgen
