// Instruments.h -- the street band that plays the background tune: an accordion, a strummed
// guitar, a plucked bass and light hand percussion. Each call adds one note into a buffer.
#pragma once

#include "tools/assetgen/Synth.h"

namespace tools::assetgen::synth {

// Notes start at sample start and sound for length samples; the release follows, so a note
// ends a few tens of milliseconds after start + length. level is the note's loudness.

// Two reeds tuned a few cents apart (the accordion's gentle beating) and a reed an octave
// below.
void AddAccordion(Buffer& out, int start, int length, int note, float level);
// One plucked string; its upper harmonics die away faster than the fundamental, and it is
// muted at the end of its length.
void AddGuitar(Buffer& out, int start, int length, int note, float level);
// A round plucked bass note.
void AddBass(Buffer& out, int start, int length, int note, float level);
// A soft hand drum: a low sine falling in pitch.
void AddKick(Buffer& out, int start, float level);
// A shaker grain: a short burst of high noise.
void AddShaker(Buffer& out, int start, float level, Noise& noise);
// A tambourine hit: bright ringing jingles over a noise burst.
void AddTambourine(Buffer& out, int start, float level, Noise& noise);

}  // namespace tools::assetgen::synth
