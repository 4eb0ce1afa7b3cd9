// The game's sound effects, synthesised: a welcome tune, a tick-tock, a bell, a buzzer,
// applause and boos. 16-bit PCM mono WAVE at 22050 Hz, kept short.
#include "draw.h"
#include "generator.h"
#include "synth.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace gen {

Samples silence(double seconds)
{
    return Samples(size_t(seconds * rate), 0.0);
}

double midi(int note)
{
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

// A plucked, bell-ish tone: a few harmonics under an exponential decay.
void addTone(Samples &s, double start, double duration, double freq, double amp, double decay,
             std::initializer_list<double> harmonics)
{
    const size_t from = size_t(start * rate);
    const size_t count = size_t(duration * rate);
    for (size_t i = 0; i < count && from + i < s.size(); ++i) {
        const double t = double(i) / rate;
        const double attack = std::min(1.0, t / 0.006);
        const double release = std::min(1.0, (duration - t) / 0.03);
        double v = 0;
        int n = 1;
        for (double h : harmonics)
            v += h * std::sin(2 * std::numbers::pi * freq * n++ * t);
        s[from + i] += amp * attack * release * std::exp(-t / decay) * v;
    }
}

void fadeEdges(Samples &s, double in, double out)
{
    const size_t nIn = size_t(in * rate), nOut = size_t(out * rate);
    for (size_t i = 0; i < nIn && i < s.size(); ++i)
        s[i] *= double(i) / nIn;
    for (size_t i = 0; i < nOut && i < s.size(); ++i)
        s[s.size() - 1 - i] *= double(i) / nOut;
}

void normalise(Samples &s, double peak)
{
    double top = 0;
    for (double v : s)
        top = std::max(top, std::abs(v));
    if (top > 0)
        for (double &v : s)
            v *= peak / top;
}

bool writeWave(const QString &path, const Samples &s)
{
    QByteArray data;
    auto u32 = [&](quint32 v) {
        for (int i = 0; i < 4; ++i)
            data.append(char((v >> (8 * i)) & 0xFF));
    };
    auto u16 = [&](quint16 v) {
        data.append(char(v & 0xFF));
        data.append(char(v >> 8));
    };
    const quint32 bytes = quint32(s.size() * 2);
    data.append("RIFF");
    u32(36 + bytes);
    data.append("WAVEfmt ");
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(rate);
    u32(rate * 2); // bytes per second
    u16(2);        // bytes per frame
    u16(16);
    data.append("data");
    u32(bytes);
    for (double v : s)
        u16(quint16(qint16(std::lround(std::clamp(v, -1.0, 1.0) * 32767))));
    QSaveFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size() && f.commit();
}

namespace {

constexpr double pi = std::numbers::pi;

// Two-pole filter (the usual audio-cookbook band-pass with 0 dB peak, and low-pass).
class Biquad {
public:
    static Biquad bandPass(double freq, double q)
    {
        const double w = 2 * pi * freq / rate, alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
        return Biquad(alpha / a0, 0, -alpha / a0, -2 * std::cos(w) / a0, (1 - alpha) / a0);
    }
    static Biquad lowPass(double freq, double q)
    {
        const double w = 2 * pi * freq / rate, alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
        const double c = std::cos(w);
        return Biquad((1 - c) / 2 / a0, (1 - c) / a0, (1 - c) / 2 / a0, -2 * c / a0,
                      (1 - alpha) / a0);
    }
    double operator()(double x)
    {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }

private:
    Biquad(double b0_, double b1_, double b2_, double a1_, double a2_)
        : b0(b0_), b1(b1_), b2(b2_), a1(a1_), a2(a2_)
    {
    }
    double b0, b1, b2, a1, a2;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

double noise(Rng &rng)
{
    return rng.uniform() * 2 - 1;
}

Samples accueil()
{
    Samples s = silence(2.8);
    // A rising fanfare in C major ending on a held chord.
    const int tune[] = {67, 72, 76, 79, 76, 79, 84};
    const double step = 0.15;
    for (int i = 0; i < 6; ++i)
        addTone(s, i * step, 0.5, midi(tune[i]), 0.5, 0.25, {1, 0.35, 0.15, 0.05});
    const double last = 6 * step;
    for (int n : {72, 76, 79, 84})
        addTone(s, last, 1.85, midi(n), n == 84 ? 0.5 : 0.3, 0.7, {1, 0.3, 0.12, 0.04});
    for (auto [at, n] : {std::pair{0.0, 48}, std::pair{0.45, 43}, std::pair{last, 36}})
        addTone(s, at, at == last ? 1.85 : 0.45, midi(n), 0.45, 0.5, {1, 0.5, 0.2});
    fadeEdges(s, 0.002, 0.3);
    normalise(s, 0.8);
    return s;
}

// Exactly one second, ticking at 0 and tocking at 0.5 s, so that it loops seamlessly.
Samples tictac()
{
    Samples s = silence(1.0);
    Rng rng(7);
    for (auto [at, freq] : {std::pair{0.0, 2600.0}, std::pair{0.5, 1500.0}}) {
        Biquad body = Biquad::bandPass(freq, 6);
        const size_t from = size_t(at * rate);
        for (size_t i = 0; i < size_t(0.06 * rate); ++i) {
            const double t = double(i) / rate;
            const double click = noise(rng) * std::exp(-t / 0.004);
            s[from + i] +=
                body(click) * 3 + 0.4 * std::sin(2 * pi * freq * 0.8 * t) * std::exp(-t / 0.01);
        }
    }
    normalise(s, 0.7);
    return s;
}

Samples vrai()
{
    Samples s = silence(1.5);
    for (auto [at, freq] : {std::pair{0.0, midi(84)}, std::pair{0.16, midi(91)}}) {
        // Bell partials are not whole multiples; the higher ones die away sooner.
        const double ratios[] = {1.0, 2.0, 2.76, 5.4, 8.93};
        const double amps[] = {1.0, 0.5, 0.35, 0.15, 0.06};
        for (int k = 0; k < 5; ++k)
            addTone(s, at, 1.5 - at, freq * ratios[k], amps[k] * 0.5, 0.6 / (1 + k), {1});
    }
    fadeEdges(s, 0.001, 0.1);
    normalise(s, 0.8);
    return s;
}

Samples faux()
{
    Samples s = silence(0.75);
    Biquad tone = Biquad::lowPass(1400, 0.9);
    double ph1 = 0, ph2 = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        ph1 = std::fmod(ph1 + 98.0 / rate, 1.0);
        ph2 = std::fmod(ph2 + 104.0 / rate, 1.0);
        const double saw = (2 * ph1 - 1) + (ph2 < 0.5 ? 1 : -1) * 0.8;
        s[i] = tone(saw);
    }
    fadeEdges(s, 0.01, 0.06);
    normalise(s, 0.75);
    return s;
}

// Applause: many short claps of filtered noise at random times, denser in the middle.
Samples gagner(int k)
{
    Rng rng(1000 + std::uint32_t(k));
    const double duration = 1.5 + 0.15 * (k % 4);
    const double perSecond = 110 + 25 * k; // a class, not a single pair of hands
    Samples s = silence(duration);
    const int claps = int(perSecond * duration);
    for (int c = 0; c < claps; ++c) {
        const double at = rng.range(0, duration - 0.05);
        // Drawn in its own statement: the order of a call's arguments is the compiler's.
        const double q = rng.range(1.2, 3);
        Biquad body = Biquad::bandPass(rng.range(700, 2600), q);
        const double decay = rng.range(0.006, 0.018);
        const double amp = rng.range(0.4, 1.0);
        const size_t from = size_t(at * rate);
        for (size_t i = 0; i < size_t(0.05 * rate) && from + i < s.size(); ++i) {
            const double t = double(i) / rate;
            s[from + i] += amp * body(noise(rng) * std::exp(-t / decay)) * 2;
        }
    }
    if (k % 3 == 0) { // someone whistles
        double phase = 0;
        for (size_t i = size_t(0.2 * rate); i < size_t(0.9 * rate); ++i) {
            const double t = double(i) / rate - 0.2;
            const double f = 2200 + 600 * std::sin(pi * t / 0.7);
            phase += 2 * pi * f / rate;
            s[i] += 0.25 * std::sin(phase) * std::sin(pi * t / 0.7);
        }
    }
    // Soft saturation lifts the crowd between the loudest claps, so it carries in a room.
    normalise(s, 1.0);
    for (double &x : s)
        x = std::tanh(2.5 * x);
    fadeEdges(s, 0.12, 0.5);
    normalise(s, 0.75);
    return s;
}

// Boos: a few voices on "ou", each a buzz through two vowel resonances, sliding down.
Samples perdu(int k)
{
    Rng rng(2000 + std::uint32_t(k));
    const double duration = 1.3 + 0.12 * (k % 5);
    Samples s = silence(duration);
    const int voices = 3 + k % 4;
    const double slide = 0.12 + 0.03 * (k % 3);
    for (int v = 0; v < voices; ++v) {
        const double base = rng.range(95, 170) * (1 + 0.05 * (k % 2));
        const double start = rng.range(0, 0.25);
        const double vibrato = rng.range(4, 7);
        Biquad f1 = Biquad::bandPass(rng.range(280, 340), 5);
        Biquad f2 = Biquad::bandPass(rng.range(780, 900), 6);
        double phase = 0;
        for (size_t i = size_t(start * rate); i < s.size(); ++i) {
            const double t = double(i) / rate - start;
            const double progress = t / (duration - start);
            const double f =
                base * (1 - slide * progress) * (1 + 0.015 * std::sin(2 * pi * vibrato * t));
            phase = std::fmod(phase + f / rate, 1.0);
            const double buzz = 2 * phase - 1;
            const double env =
                std::min(1.0, t / 0.15) * std::min(1.0, (duration - start - t) / 0.35);
            s[i] += env * (f1(buzz) * 1.0 + f2(buzz) * 0.35);
        }
    }
    Biquad murmur = Biquad::lowPass(500, 0.7);
    for (double &x : s)
        x += 0.03 * murmur(noise(rng));
    fadeEdges(s, 0.02, 0.25);
    normalise(s, 0.75);
    return s;
}

} // namespace

std::vector<Output> writeSounds(const QDir &out)
{
    std::vector<Output> written;
    out.mkpath(QStringLiteral("DMSEG"));
    bool ok = true;
    auto add = [&](const QString &name, const Samples &s) {
        const QString file = QStringLiteral("DMSEG/") + name + QStringLiteral(".wav");
        ok = ok && writeWave(out.filePath(file), s);
        written.push_back({QStringLiteral("DMSEG"), name, file});
    };
    add(QStringLiteral("ACCUEIL"), accueil());
    add(QStringLiteral("TICTAC"), tictac());
    add(QStringLiteral("VRAI"), vrai());
    add(QStringLiteral("FAUX"), faux());
    for (int k = 1; k <= 9; ++k)
        add(QStringLiteral("GAGNER%1").arg(k, 2, 10, QLatin1Char('0')), gagner(k));
    for (int k = 1; k <= 8; ++k)
        add(QStringLiteral("PERDU%1").arg(k, 2, 10, QLatin1Char('0')), perdu(k));
    if (!ok)
        written.clear();
    return written;
}

} // namespace gen
