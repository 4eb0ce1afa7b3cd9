// Speaking a text aloud in French. Speaking never blocks the caller: the text is handed to the
// engine and the call returns at once.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace platform {

class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;
    // Starts speaking `text` in place of what is being said and returns at once. When the
    // text cannot be spoken (no engine, no voice, no audio path), `failed` runs later on the
    // caller's thread; it never runs after the engine is destroyed.
    virtual void speak(const QString &text, std::function<void()> failed) = 0;
    // Stops speaking, if anything is being said.
    virtual void stop() = 0;
};

// A new engine from the installed factory (the real one unless a test changed it). The real
// one comes from the voice module, loaded on the first call; without the module the engine
// says nothing, as with no audio device.
std::unique_ptr<SpeechEngine> createSpeechEngine();

// An empty factory restores the real engine.
using SpeechEngineFactory = std::function<std::unique_ptr<SpeechEngine>()>;
void setSpeechEngineFactory(SpeechEngineFactory factory);

// What recording engines did, shared between a test and the engines it made.
struct SpeechRecord {
    bool fail = false; // every speak fails
    QStringList spoken;
    int stops = 0;
};

// Installs a factory of recording engines that all write to the returned record; a failing
// speak calls its `failed` at once.
std::shared_ptr<SpeechRecord> recordSpeech();

} // namespace platform
