#include "platform/soundeffects.h"

#include "platform/modules.h"
#include "platform/sons_qt.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {
// What plays when the sound module cannot be loaded: nothing, as with no audio device.
class SilentSoundEngine : public SoundEngine {
public:
    bool setUp() override { return false; }
    bool play(const QString &) override { return false; }
    void setMasterGain(double) override {}
    void stop() override {}
    void closeDown() override {}
};

SoundEngineFactory moduleFactory()
{
    return []() -> std::unique_ptr<SoundEngine> {
        if (auto engine = makeFromModule<SoundEngine>(kSoundModule, kSoundEngineEntry))
            return engine;
        return std::make_unique<SilentSoundEngine>();
    };
}

SoundEngineFactory &factory()
{
    static SoundEngineFactory instance = moduleFactory();
    return instance;
}
} // namespace

double gainFromHundredthsOfDecibel(int volume, int fullScale)
{
    return std::min(1.0, std::pow(10.0, (double(volume) - fullScale) / 2000.0));
}

std::unique_ptr<SoundEngine> createSoundEngine()
{
    return factory()();
}

void setSoundEngineFactory(SoundEngineFactory f)
{
    factory() = f ? std::move(f) : moduleFactory();
}

RecordingSoundEngine::RecordingSoundEngine(std::shared_ptr<SoundRecord> record)
    : m_record(std::move(record))
{
}

bool RecordingSoundEngine::setUp()
{
    ++m_record->setUps;
    return !m_record->failSetUp;
}

bool RecordingSoundEngine::play(const QString &name)
{
    if (m_record->missing.contains(name.toLower()))
        return false;
    m_record->played.append(name);
    return true;
}

void RecordingSoundEngine::setMasterGain(double gain)
{
    m_record->gains.push_back(gain);
}

void RecordingSoundEngine::stop()
{
    ++m_record->stops;
}

void RecordingSoundEngine::closeDown()
{
    ++m_record->closeDowns;
}

std::shared_ptr<SoundRecord> recordSoundEffects()
{
    auto record = std::make_shared<SoundRecord>();
    setSoundEngineFactory([record] { return std::make_unique<RecordingSoundEngine>(record); });
    return record;
}

} // namespace platform
