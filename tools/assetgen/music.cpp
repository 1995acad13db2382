// The music: a small pattern sequencer over the synthesiser. Each track is a whole
// number of bars rendered into a loop buffer (note tails and echoes wrap to the
// start), so it repeats without a seam.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "assetgen.h"
#include "audio.h"

namespace vorantis::assetgen {

namespace {

using Scale = std::array<int, 7>;
constexpr Scale kMajor = {0, 2, 4, 5, 7, 9, 11};
constexpr Scale kMinor = {0, 2, 3, 5, 7, 8, 10};
constexpr Scale kDorian = {0, 2, 3, 5, 7, 9, 10};

struct TrackPlan {
  std::string file;
  double bpm;
  int root;  // MIDI note of the key's tonic in the bass octave
  Scale scale;
  std::vector<int> verse;   // chord degree per bar, eight bars
  std::vector<int> chorus;  // chord degree per bar, eight bars
  std::string form;         // one letter per eight bars: I intro, A verse, B chorus
  std::uint64_t seed;
  Voice lead;
  bool fourOnTheFloor;
  bool arpeggio;
};

int Pitch(const TrackPlan& t, int index) {
  int octave = index >= 0 ? index / 7 : (index - 6) / 7;
  return t.root + 12 * octave + t.scale[static_cast<std::size_t>(index - 7 * octave)];
}

// A melody phrase of two bars on a sixteenth grid: (start, length, scale offset).
struct Motif {
  struct Note {
    int start, length, offset;
  };
  std::vector<Note> notes;
};

Motif MakeMotif(std::uint64_t seed) {
  static const std::vector<std::vector<int>> kRhythms = {
      {0, 4, 6, 8, 12, 14, 16, 20, 24},
      {0, 3, 6, 8, 10, 12, 16, 19, 22, 24},
      {0, 2, 4, 8, 12, 16, 18, 20, 24, 28},
      {0, 6, 8, 12, 14, 16, 22, 24},
  };
  Rng rng(seed);
  const auto& rhythm = kRhythms[static_cast<std::size_t>(rng.Below(static_cast<int>(kRhythms.size())))];
  Motif m;
  int offset = rng.Below(3) * 2;  // start on a chord tone
  for (std::size_t i = 0; i < rhythm.size(); ++i) {
    int next = i + 1 < rhythm.size() ? rhythm[i + 1] : 32;
    int length = std::min(next - rhythm[i], 6);
    m.notes.push_back({rhythm[i], length, offset});
    static const int kSteps[] = {-2, -1, -1, 1, 1, 2, 0, 3, -3};
    offset = std::clamp(offset + kSteps[rng.Below(9)], -2, 9);
  }
  return m;
}

Stereo Render(const TrackPlan& t) {
  const double beat = 60.0 / t.bpm, sixteenth = beat / 4, bar = beat * 4;
  const int bars = static_cast<int>(t.form.size()) * 8;
  Stereo out;
  out.Resize(static_cast<std::size_t>(bars * bar * kSampleRate));

  Voice pad{Wave::kSaw, {0.4f, 0.5f, 0.6f, 0.6f}, 0.05f, -0.3f, 0.11f, 0.06f, 0, 0, 0.05f};
  Voice bass{Wave::kSaw, {0.005f, 0.15f, 0.5f, 0.06f}, 0.2f, 0, 0, 0.12f, 0, 0, 0.05f};
  Voice arp{Wave::kPulse25, {0.002f, 0.08f, 0.0f, 0.05f}, 0.05f, 0.4f, 0, 0.3f, 0, 0, 0.05f};
  const Motif verse[2] = {MakeMotif(t.seed * 7 + 1), MakeMotif(t.seed * 7 + 2)};
  const Motif chorus[2] = {MakeMotif(t.seed * 7 + 3), MakeMotif(t.seed * 7 + 4)};
  Rng groove(t.seed);

  for (int b = 0; b < bars; ++b) {
    char part = t.form[static_cast<std::size_t>(b / 8)];
    const std::vector<int>& progression = part == 'B' ? t.chorus : t.verse;
    int degree = progression[static_cast<std::size_t>(b % 8)];
    double start = b * bar;
    // Pad: the triad held through the bar.
    for (int k = 0; k < 3; ++k)
      RenderNote(out, pad, start, bar * 0.95, Pitch(t, degree + 2 * k) + 12, 1, true);
    // Bass: eighths on the root with an octave lift on the off-beats.
    for (int e = 0; e < 8; ++e) {
      int note = Pitch(t, degree) - 12 + ((e % 2 && part != 'I') ? 12 : 0);
      RenderNote(out, bass, start + e * beat / 2, beat / 2 * 0.8, note, e % 2 ? 0.7f : 1.0f, true);
    }
    if (t.arpeggio && part != 'I')
      for (int s = 0; s < 16; ++s) {
        static const int kArp[] = {0, 2, 4, 7, 9, 7, 4, 2};
        RenderNote(out, arp, start + s * sixteenth, sixteenth * 0.9, Pitch(t, degree + kArp[s % 8]) + 24,
                   s % 4 == 0 ? 1.0f : 0.6f, true);
      }
    // Drums: lighter in the intro.
    for (int s = 0; s < 16; ++s) {
      double at = start + s * sixteenth;
      bool kick = t.fourOnTheFloor ? s % 4 == 0 : (s == 0 || s == 8 || s == 10);
      if (kick && (part != 'I' || s == 0)) RenderDrum(out, Drum::kKick, at, 1.0f, 11, true);
      if ((s == 4 || s == 12) && part != 'I')
        RenderDrum(out, part == 'B' ? Drum::kClap : Drum::kSnare, at, 0.8f, 13, true);
      if (s % 2 == 0)
        RenderDrum(out, s % 8 == 6 && part == 'B' ? Drum::kOpenHat : Drum::kHat, at,
                   s % 4 == 0 ? 0.7f : 0.45f + static_cast<float>(groove.Unit()) * 0.2f, 17 + s, true);
    }
    // Lead: the section's two-bar motifs, each note moved onto the current chord.
    if (part != 'I') {
      const Motif* motifs = part == 'B' ? chorus : verse;
      const Motif& m = motifs[(b / 2) % 2];
      int half = (b % 2) * 16;
      for (const auto& n : m.notes) {
        if (n.start < half || n.start >= half + 16) continue;
        int index = degree + n.offset;
        if (n.start % 8 == 0) index = degree + 2 * ((n.offset + 1) / 2);  // strong beats: chord tones
        RenderNote(out, t.lead, start + (n.start - half) * sixteenth, n.length * sixteenth * 0.9,
                   Pitch(t, index) + 24, n.start % 4 == 0 ? 1.0f : 0.8f, true);
      }
    }
  }
  LoopEcho(out, beat * 0.75, 0.35f, 0.3f);
  Master(out, 0.85f);
  return out;
}

}  // namespace

void WriteMusic(DataFolder& out) {
  Voice bell{Wave::kTriangle, {0.005f, 0.2f, 0.5f, 0.15f}, 0.16f, 0.15f, 0, 0.5f, 0.15f, 0, 0.05f};
  Voice reed{Wave::kPulse25, {0.01f, 0.2f, 0.6f, 0.12f}, 0.08f, -0.1f, 0.05f, 0.2f, 0.2f, 0, 0.05f};
  Voice lead{Wave::kSquare, {0.005f, 0.15f, 0.5f, 0.1f}, 0.07f, 0.1f, 0, 0.25f, 0.12f, 1.5f, 0.03f};
  std::vector<TrackPlan> plans = {
      {"meadow_run.ogg",
       124,
       45,
       kMajor,
       {0, 4, 5, 3, 0, 4, 3, 4},
       {3, 4, 5, 5, 3, 4, 0, 0},
       "IAB",
       3,
       bell,
       true,
       true},
      {"crystal_caves.ogg",
       100,
       45,
       kMinor,
       {0, 5, 2, 6, 0, 5, 3, 4},
       {5, 6, 0, 0, 5, 6, 4, 4},
       "IAB",
       5,
       reed,
       false,
       false},
      {"neon_drift.ogg",
       138,
       38,
       kDorian,
       {0, 0, 3, 3, 0, 0, 6, 4},
       {3, 4, 0, 5, 3, 4, 6, 6},
       "IABA",
       9,
       lead,
       true,
       true},
  };
  int serial = 7001;
  for (const auto& plan : plans) out.Write("MUSIC/" + plan.file, EncodeOgg(Render(plan), 0.3f, serial++));
}

}  // namespace vorantis::assetgen
