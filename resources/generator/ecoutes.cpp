// The listening pieces (scales, arpeggios, chords, intervals), each named by what it is, and
// the sounds that the sample question text files play. Played on a soft piano-like tone,
// starting from the do of the middle of the keyboard.
#include "generator.h"
#include "synth.h"

#include <vector>

namespace gen {

namespace {

constexpr int doMedium = 60; // MIDI number of the middle do

void pianoNote(Samples &s, double at, double duration, int note, double amp = 0.5)
{
    addTone(s, at, duration, midi(note), amp, 0.9, {1, 0.45, 0.22, 0.1, 0.05});
}

Samples finished(Samples s)
{
    fadeEdges(s, 0.002, 0.25);
    normalise(s, 0.75);
    return s;
}

// Notes one after another, the last one held.
Samples melody(const std::vector<int> &notes, double step)
{
    Samples s = silence(step * double(notes.size()) + 1.2);
    for (size_t i = 0; i < notes.size(); ++i)
        pianoNote(s, step * double(i), i + 1 == notes.size() ? 1.6 : step * 1.5, notes[i]);
    return finished(s);
}

// The notes together, held.
Samples chord(const std::vector<int> &notes, double at = 0, Samples s = silence(3.0))
{
    for (int n : notes)
        pianoNote(s, at, 2.6, n, 0.35);
    return s;
}

// An interval heard twice: its two notes one after the other, then together.
Samples interval(int semitones)
{
    Samples s = silence(4.2);
    pianoNote(s, 0, 0.9, doMedium);
    pianoNote(s, 0.8, 0.9, doMedium + semitones);
    return finished(chord({doMedium, doMedium + semitones}, 1.7, s));
}

std::vector<int> upFrom(int first, std::initializer_list<int> steps)
{
    std::vector<int> notes{first};
    for (int st : steps)
        notes.push_back(notes.back() + st);
    return notes;
}

// Beats in bars of `perBar`, the first of each bar louder and higher, like a wood block.
Samples beats(int perBar, int bars, double step)
{
    Samples s = silence(step * perBar * bars + 0.4);
    for (int b = 0; b < perBar * bars; ++b) {
        const bool strong = b % perBar == 0;
        addTone(s, step * b, 0.25, strong ? 1760 : 1175, strong ? 0.9 : 0.45, 0.035, {1, 0.3, 0.1});
    }
    return finished(s);
}

struct Piece {
    QString name;
    Samples samples;
};

} // namespace

bool writeListeningPieces(const QDir &ecoutes)
{
    const int c = doMedium, a = doMedium - 3;
    const std::vector<Piece> pieces{
        {QStringLiteral("Gamme de do majeur"), melody(upFrom(c, {2, 2, 1, 2, 2, 2, 1}), 0.4)},
        {QStringLiteral("Gamme de la mineur naturelle"),
         melody(upFrom(a, {2, 1, 2, 2, 1, 2, 2}), 0.4)},
        {QStringLiteral("Gamme chromatique"),
         melody(upFrom(c, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}), 0.25)},
        {QStringLiteral("Arpège de do majeur"),
         melody({c, c + 4, c + 7, c + 12, c + 7, c + 4, c}, 0.35)},
        {QStringLiteral("Arpège de la mineur"),
         melody({a, a + 3, a + 7, a + 12, a + 7, a + 3, a}, 0.35)},
        {QStringLiteral("Accord de do majeur"), finished(chord({c - 12, c, c + 4, c + 7}))},
        {QStringLiteral("Accord de la mineur"), finished(chord({a - 12, a, a + 3, a + 7}))},
        {QStringLiteral("Tierce mineure"), interval(3)},
        {QStringLiteral("Tierce majeure"), interval(4)},
        {QStringLiteral("Quinte juste"), interval(7)},
        {QStringLiteral("Octave"), interval(12)},
    };
    if (!ecoutes.mkpath(QStringLiteral(".")))
        return false;
    bool ok = true;
    for (const Piece &p : pieces)
        ok = ok && writeWave(ecoutes.filePath(p.name + QStringLiteral(".wav")), p.samples);
    return ok;
}

bool writeTextSounds(const QDir &audio)
{
    if (!audio.mkpath(QStringLiteral(".")))
        return false;
    const int c = doMedium;
    return writeWave(audio.filePath(QStringLiteral("rythme1.wav")), beats(3, 4, 0.5)) &&
           writeWave(audio.filePath(QStringLiteral("rythme2.wav")), beats(4, 3, 0.5)) &&
           writeWave(audio.filePath(QStringLiteral("rythme3.wav")),
                     melody({c, c + 2, c + 4, c + 2, c}, 1.2)) &&
           writeWave(audio.filePath(QStringLiteral("harmonie1.wav")),
                     finished(chord({c, c + 4, c + 7}))) &&
           writeWave(audio.filePath(QStringLiteral("harmonie2.wav")),
                     finished(chord({c, c + 3, c + 7}))) &&
           writeWave(audio.filePath(QStringLiteral("harmonie3.wav")), interval(12));
}

} // namespace gen
