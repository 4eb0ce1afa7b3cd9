#include "platform/speech.h"

#include "platform/modules.h"

namespace platform {

namespace {

// What speaks when the voice module cannot be loaded: nothing, as with no audio device.
class SilentSpeechEngine : public SpeechEngine {
public:
    void speak(const QString &, std::function<void()>) override {}
    void stop() override {}
};

SpeechEngineFactory &factory()
{
    static SpeechEngineFactory f;
    return f;
}

} // namespace

std::unique_ptr<SpeechEngine> createSpeechEngine()
{
    if (factory())
        return factory()();
    if (auto engine = makeFromModule<SpeechEngine>(kVoiceModule, kVoiceEntry))
        return engine;
    return std::make_unique<SilentSpeechEngine>();
}

void setSpeechEngineFactory(SpeechEngineFactory f)
{
    factory() = std::move(f);
}

} // namespace platform
