// Synthesis kit shared by the sound generators: mono samples at one rate, plucked tones,
// and 16-bit PCM WAVE output.
#pragma once

#include <QString>

#include <initializer_list>
#include <vector>

namespace gen {

inline constexpr int rate = 22050;
using Samples = std::vector<double>;

Samples silence(double seconds);
// Frequency of a MIDI note number (69 is the la at 440 Hz).
double midi(int note);
// A plucked, bell-ish tone: a few harmonics under an exponential decay.
void addTone(Samples &s, double start, double duration, double freq, double amp, double decay,
             std::initializer_list<double> harmonics);
void fadeEdges(Samples &s, double in, double out);
void normalise(Samples &s, double peak);
bool writeWave(const QString &path, const Samples &s);

} // namespace gen
