// Reads a WAVE file as a player would, to check the generated sounds.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>

namespace wavecheck {

struct Wave {
    QString error; // empty when the file is a playable PCM WAVE
    int rate = 0;
    double seconds = 0;
    int peak = 0; // largest sample magnitude
};

// Walks the RIFF chunks as a player would, rather than trusting a fixed header layout.
inline Wave readWave(const QByteArray &b)
{
    Wave w;
    auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); };
    auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); };
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return {QStringLiteral("not RIFF WAVE")};
    if (u32(4) != quint32(b.size() - 8))
        return {QStringLiteral("RIFF size does not match the file")};
    bool format = false;
    int channels = 0, bits = 0;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const qsizetype size = u32(at + 4);
        const qsizetype body = at + 8;
        if (body + size > b.size())
            return {QStringLiteral("chunk %1 runs past the end").arg(QString::fromLatin1(id))};
        if (id == "fmt ") {
            if (u16(body) != 1)
                return {QStringLiteral("not PCM")};
            channels = u16(body + 2);
            w.rate = int(u32(body + 4));
            bits = u16(body + 14);
            if (u32(body + 8) != quint32(w.rate * channels * bits / 8))
                return {QStringLiteral("byte rate inconsistent")};
            format = true;
        } else if (id == "data") {
            if (!format)
                return {QStringLiteral("data before fmt")};
            if (channels != 1 || bits != 16 || (w.rate != 22050 && w.rate != 44100))
                return {QStringLiteral("not 16-bit mono at 22050 or 44100 Hz")};
            if (size == 0 || size % 2)
                return {QStringLiteral("empty or odd data")};
            w.seconds = double(size) / (2.0 * w.rate);
            for (qsizetype i = body; i < body + size; i += 2)
                w.peak = std::max(w.peak, std::abs(int(qint16(u16(i)))));
            return w;
        }
        at = body + size + (size % 2);
    }
    return {QStringLiteral("no data chunk")};
}

} // namespace wavecheck
