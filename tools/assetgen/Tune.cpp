// Tune.cpp -- the background tune's score and arrangement: a cheerful eight-bar melody in C
// major in the manner of a street accordionist, over an oom-pah of bass and guitar.
#include "tools/assetgen/Tune.h"

#include <array>
#include <cmath>

#include "tools/assetgen/Instruments.h"

namespace tools::assetgen::synth {

namespace {

// Eight bars of four beats fill the 12.5 seconds: 153.6 beats a minute, and the tune is
// counted in eighth notes, eight to a bar.
constexpr int kBars = 8;
constexpr int kEighths = kBars * 8;

// The first sample of an eighth note; onsets are rounded to whole samples, so the grid never
// drifts and the last eighth ends exactly at the restart point.
int At(double eighth) {
  return static_cast<int>(std::lround(eighth * kTuneSamples / kEighths));
}
int Span(double eighths) {
  return At(eighths) - At(0);
}

struct Step {
  int note;     // note number
  int eighths;  // duration
};

struct Bar {
  std::array<int, 3> chord;  // guitar voicing, lowest string first
  int root, fifth;           // bass on beats 1 and 3
  std::array<Step, 8> melody;
};

// I - vi - IV - V, then I - vi - ii - V7, whose dominant leads straight back into the first
// bar when the game starts the tune again. A step of 0 eighths ends a bar's melody early.
constexpr std::array<Bar, kBars> kScore = {{
    {{60, 64, 67}, 48, 43, {{{72, 2}, {76, 1}, {79, 1}, {84, 2}, {79, 1}, {76, 1}}}},
    {{57, 60, 64}, 45, 52, {{{81, 2}, {76, 1}, {72, 1}, {69, 2}, {72, 1}, {76, 1}}}},
    {{57, 60, 65}, 41, 48, {{{77, 1}, {79, 1}, {81, 1}, {77, 1}, {84, 2}, {81, 2}}}},
    {{55, 59, 62}, 43, 50, {{{79, 3}, {77, 1}, {76, 1}, {74, 1}, {71, 1}, {74, 1}}}},
    {{60, 64, 67}, 48, 43, {{{72, 2}, {76, 1}, {79, 1}, {84, 2}, {83, 1}, {84, 1}}}},
    {{57, 60, 64}, 45, 52, {{{81, 1}, {79, 1}, {76, 1}, {72, 1}, {76, 2}, {81, 2}}}},
    {{57, 62, 65}, 50, 45, {{{86, 2}, {81, 1}, {77, 1}, {74, 2}, {77, 1}, {81, 1}}}},
    {{55, 59, 65}, 43, 47, {{{79, 2}, {77, 1}, {74, 1}, {71, 1}, {74, 1}, {67, 1}, {71, 1}}}},
}};

void Melody(Buffer& out) {
  int eighth = 0;
  for (const Bar& bar : kScore) {
    for (const Step& step : bar.melody) {
      if (step.eighths == 0) break;
      // Slightly detached, as a squeezebox player phrases quick notes; the closing pickup is
      // short so that it has died away before the tune restarts.
      const bool last = eighth + step.eighths == kEighths;
      const double held = last ? 0.55 : step.eighths - 0.12;
      const float accent = eighth % 4 == 0 ? 1.0f : 0.85f;
      AddAccordion(out, At(eighth), Span(held), step.note, 0.30f * accent);
      eighth += step.eighths;
    }
  }
}

void Accompaniment(Buffer& out) {
  for (int b = 0; b < kBars; ++b) {
    const Bar& bar = kScore[static_cast<std::size_t>(b)];
    const int first = b * 8;
    const bool last = b == kBars - 1;
    AddBass(out, At(first), Span(1.8), bar.root, 0.32f);
    AddBass(out, At(first + 4), Span(last ? 1.0 : 1.8), bar.fifth, 0.32f);
    for (int beat : {2, 6}) {
      // A quick downstroke: each string a few milliseconds after the one below it.
      int delay = 0;
      for (int note : bar.chord) {
        AddGuitar(out, At(first + beat) + delay, Span(last && beat == 6 ? 0.7 : 1.1), note, 0.24f);
        delay += Samples(0.009);
      }
    }
  }
}

// The accordion's left hand holds each bar's chord softly under the melody, so the band keeps
// sounding between the melody's detached notes. The last bar's chord lets go an eighth early.
void LeftHand(Buffer& out) {
  for (int b = 0; b < kBars; ++b) {
    const Bar& bar = kScore[static_cast<std::size_t>(b)];
    const bool last = b == kBars - 1;
    for (int note : bar.chord)
      AddAccordion(out, At(b * 8), Span(last ? 7.0 : 7.9), note, 0.04f);
  }
}

void Percussion(Buffer& out) {
  Noise noise(0x5eed0b5e);
  for (int e = 0; e < kEighths; ++e) {
    if (e % 4 == 0) AddKick(out, At(e), 0.4f);
    if (e % 4 == 2) AddTambourine(out, At(e), 0.16f, noise);
    // The shaker leans on the off-beats and rests on the final eighth, the breath before the
    // tune comes round again.
    if (e < kEighths - 1) AddShaker(out, At(e), e % 2 == 1 ? 0.10f : 0.06f, noise);
  }
}

// Past the restart point the band lands on the first bar's chord, the melody's pickup resolved:
// the accordion swells softly into it, holds it and lets the bellows close. However late the
// restart comes, it cuts the chord where it has got to, and the chord is never loud enough for
// that to click.
void Tail(Buffer& out) {
  const Bar& home = kScore.front();
  const int swell = Samples(0.1), fade = Samples(0.25);
  Buffer chord(static_cast<std::size_t>(kTuneTailSamples), 0.0f);
  for (int note : home.chord)
    AddAccordion(chord, 0, kTuneTailSamples, note, 0.011f);
  AddAccordion(chord, 0, kTuneTailSamples, home.melody.front().note, 0.011f);
  for (int i = 0; i < kTuneTailSamples; ++i) {
    const double dying = std::exp(-static_cast<double>(i) / Samples(1.2));
    chord[static_cast<std::size_t>(i)] *=
        static_cast<float>(dying) * NoteGain(i, swell, kTuneTailSamples - fade, fade);
  }
  Mix(out, chord, kTuneSamples, 1.0f);
}

}  // namespace

Buffer StreetTune() {
  Buffer tune(static_cast<std::size_t>(kTuneSamples + kTuneTailSamples), 0.0f);
  Melody(tune);
  Accompaniment(tune);
  LeftHand(tune);
  Percussion(tune);
  Tail(tune);
  // The loudest moments are held about 9 dB down, so that the whole can be made louder: the
  // game plays the tune far below the effects.
  Limit(tune, 0.35f, Samples(0.003), 0.06, kTuneSamples);
  // The downbeat starts from silence and the pickup has faded out before the restart point,
  // so a restart there, or a frame early, joins without a click.
  FadeEdges(tune, Samples(0.002), Samples(0.01));
  return tune;
}

}  // namespace tools::assetgen::synth
