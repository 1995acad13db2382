// Short synthesised sound effects. The step sound plays on every cursor and enemy
// step, so it is a quiet, 40 ms tick.
#include <cmath>
#include <string>

#include "assetgen.h"
#include "audio.h"

namespace vorantis::assetgen {

namespace {

Stereo Silence(double seconds) {
  Stereo s;
  s.Resize(static_cast<std::size_t>(seconds * kSampleRate));
  return s;
}

Voice Tone(Wave wave, float attack, float decay, float sustain, float release, float gain) {
  Voice v;
  v.wave = wave;
  v.envelope = {attack, decay, sustain, release};
  v.gain = gain;
  return v;
}

Stereo Step() {
  Stereo s = Silence(0.05);
  Voice v = Tone(Wave::kTriangle, 0.001f, 0.02f, 0.0f, 0.01f, 0.16f);
  v.glideFrom = 7;
  v.glideTime = 0.008f;
  RenderNote(s, v, 0, 0.025, 81, 1, false);
  return s;
}

Stereo Fixed() {
  Stereo s = Silence(0.32);
  Voice bell = Tone(Wave::kSine, 0.002f, 0.18f, 0.0f, 0.08f, 0.3f);
  bell.detune = 12.03f;
  RenderNote(s, bell, 0, 0.12, 88, 1, false);
  RenderNote(s, bell, 0.06, 0.16, 95, 0.8f, false);
  return s;
}

Stereo PinkFixed() {
  Stereo s = Silence(0.3);
  Voice v = Tone(Wave::kSquare, 0.003f, 0.2f, 0.0f, 0.05f, 0.12f);
  v.lowpass = 0.2f;
  v.glideFrom = 5;
  v.glideTime = 0.08f;
  RenderNote(s, v, 0, 0.2, 50, 1, false);
  return s;
}

Stereo Timer() {
  Stereo s = Silence(0.12);
  Voice v = Tone(Wave::kSine, 0.001f, 0.06f, 0.0f, 0.02f, 0.45f);
  v.glideFrom = 12;
  v.glideTime = 0.004f;
  RenderNote(s, v, 0, 0.06, 84, 1, false);
  return s;
}

Stereo Coin() {
  Stereo s = Silence(0.3);
  Voice v = Tone(Wave::kSquare, 0.002f, 0.05f, 0.6f, 0.1f, 0.12f);
  v.lowpass = 0.5f;
  RenderNote(s, v, 0, 0.06, 83, 1, false);
  RenderNote(s, v, 0.06, 0.12, 88, 1, false);
  return s;
}

Stereo Gem() {
  Stereo s = Silence(0.5);
  Voice v = Tone(Wave::kTriangle, 0.002f, 0.1f, 0.3f, 0.12f, 0.25f);
  const int notes[] = {76, 81, 85, 88, 93};
  for (int i = 0; i < 5; ++i) RenderNote(s, v, i * 0.05, 0.08, notes[i], 1 - i * 0.1f, false);
  return s;
}

Stereo Clock() {
  Stereo s = Silence(0.6);
  Voice v = Tone(Wave::kSine, 0.005f, 0.3f, 0.2f, 0.15f, 0.3f);
  v.detune = 7;
  RenderNote(s, v, 0, 0.12, 79, 1, false);
  RenderNote(s, v, 0.12, 0.25, 86, 1, false);
  return s;
}

Stereo BombPickup() {
  Stereo s = Silence(0.45);
  RenderDrum(s, Drum::kKick, 0, 0.8f, 5, false);
  Voice v = Tone(Wave::kSaw, 0.01f, 0.2f, 0.3f, 0.1f, 0.12f);
  v.lowpass = 0.15f;
  v.glideFrom = -12;
  v.glideTime = 0.1f;
  RenderNote(s, v, 0.02, 0.25, 60, 1, false);
  return s;
}

}  // namespace

void WriteSoundEffects(DataFolder& out) {
  int serial = 100;
  auto put = [&](const std::string& name, const Stereo& sound) {
    out.Write("SFX/" + name, EncodeOgg(sound, 0.3f, serial++));
  };
  put("step.ogg", Step());
  put("fixed.ogg", Fixed());
  put("pinkfixed.ogg", PinkFixed());
  put("timer.ogg", Timer());
  put("coin.ogg", Coin());
  put("gem.ogg", Gem());
  put("clock.ogg", Clock());
  put("bomb.ogg", BombPickup());
}

}  // namespace vorantis::assetgen
