// Speaking a text aloud in French. Speaking never blocks the caller: the text is handed to the
// engine and the call returns at once.
#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace platform {

// A change here raises the voice module's version (modules.h).
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

} // namespace platform
