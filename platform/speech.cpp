#include "platform/speech.h"

#include "platform/modules.h"
#include "platform/speech_espeak.h"

namespace platform {

namespace {

class RecordingSpeechEngine : public SpeechEngine {
public:
    explicit RecordingSpeechEngine(std::shared_ptr<SpeechRecord> record)
        : m_record(std::move(record))
    {
    }
    void speak(const QString &text, std::function<void()> failed) override
    {
        m_record->spoken << text;
        if (m_record->fail && failed)
            failed();
    }
    void stop() override { ++m_record->stops; }

private:
    std::shared_ptr<SpeechRecord> m_record;
};

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

std::shared_ptr<SpeechRecord> recordSpeech()
{
    auto record = std::make_shared<SpeechRecord>();
    setSpeechEngineFactory([record] { return std::make_unique<RecordingSpeechEngine>(record); });
    return record;
}

} // namespace platform
