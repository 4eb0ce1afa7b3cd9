#include "fakes/recordingspeech.h"

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

} // namespace

std::shared_ptr<SpeechRecord> recordSpeech()
{
    auto record = std::make_shared<SpeechRecord>();
    setSpeechEngineFactory([record] { return std::make_unique<RecordingSpeechEngine>(record); });
    return record;
}

} // namespace platform
