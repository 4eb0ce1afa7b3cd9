#include "platform/soundeffects.h"

#include "platform/modules.h"

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

} // namespace platform
