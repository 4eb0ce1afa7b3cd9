// Master volumes as linear gains, and the real sound engine answering at once.
#include "platform/soundeffects.h"

#include <gtest/gtest.h>

namespace {
struct GainCase {
    int volume;
    double gain;
};
// Hundredths of a decibel: -20 dB is a tenth of the level; nothing goes above full level.
const GainCase kGains[] = {
    {0, 1.0},         {-2000, 0.1},   {-4000, 0.01}, {-10000, 0.00001}, {-700, 0.446684},
    {-500, 0.562341}, {-1, 0.998849}, {1, 1.0},      {1000, 1.0},
};
} // namespace

TEST(SoundVolume, HundredthsOfADecibelBecomeACappedLinearGain)
{
    for (const GainCase &c : kGains)
        EXPECT_NEAR(platform::gainFromHundredthsOfDecibel(c.volume), c.gain, 1e-6) << c.volume;
}

// Whatever the machine has (usually no audio device here), the real engine answers at once.
TEST(SoundEngine, RealEngineNeverFailsLoudly)
{
    platform::setSoundEngineFactory({});
    auto engine = platform::createSoundEngine();
    engine->stop();
    engine->setUp();
    EXPECT_FALSE(engine->play("pas_de_tel_son"));
    engine->setMasterGain(0.5);
    engine->stop();
    engine->closeDown();
}
