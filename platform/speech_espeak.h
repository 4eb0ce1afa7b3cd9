// The French voice behind `createSpeechEngine`: eSpeak NG synthesises on a thread of the
// engine's own and the samples are played on the caller's thread. It is built as the module
// `tempelvoix`, which the programs load on their first spoken text; tests and measurements
// link it directly and reach the pieces here, to run them without an audio device.
#pragma once

#include "platform/speech.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

namespace platform {

// Where the engine's samples go (16-bit signed, mono, native byte order). Runs on the
// engine's creating thread.
class SpeechOutput {
public:
    virtual ~SpeechOutput() = default;
    // More samples of the text being spoken, at `sampleRate` samples a second.
    virtual void write(int sampleRate, const QByteArray &samples) = 0;
    // Drops what has not been heard yet.
    virtual void stop() = 0;
};

// Plays through the default audio device with Qt Multimedia; with no device, plays nothing.
std::unique_ptr<SpeechOutput> createAudioSinkOutput();

// An engine speaking with eSpeak NG's `voice` into `output`.
std::unique_ptr<SpeechEngine> createEspeakEngine(std::unique_ptr<SpeechOutput> output,
                                                 const QString &voice = QStringLiteral("fr"));

// Synthesises `text` with `voice` on the calling thread, handing each chunk of samples to
// `chunk` until it returns false. False when eSpeak NG or the voice cannot be had.
using SpeechChunk = std::function<bool(const short *samples, int count, int sampleRate)>;
bool synthesiseSpeech(const QString &text, const QString &voice, const SpeechChunk &chunk);

// The language of the voice that eSpeak NG last used ("fr"), empty before any.
QString currentSpeechLanguage();

} // namespace platform
