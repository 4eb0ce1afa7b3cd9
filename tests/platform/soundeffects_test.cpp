// Master volumes as linear gains, and the real sound engine answering at once.
#include "platform/sons_qt.h"
#include "platform/soundeffects.h"

#include <gtest/gtest.h>

namespace {
struct GainCase {
    int volume;
    int fullScale;
    double gain;
};
// Hundredths of a decibel: -20 dB is a tenth of the level; the full-scale volume plays at
// full level and nothing goes above it.
const GainCase kGains[] = {
    {0, 0, 1.0},         {-2000, 0, 0.1},     {-4000, 0, 0.01},       {-10000, 0, 0.00001},
    {-700, 0, 0.446684}, {-500, 0, 0.562341}, {-1, 0, 0.998849},      {1, 0, 1.0},
    {1000, 0, 1.0},      {1000, 1000, 1.0},   {-700, 1000, 0.141254}, {-500, 1000, 0.177828},
    {0, 1000, 0.316228}, {3000, 1000, 1.0},   {-3000, -1000, 0.1},
};
} // namespace

TEST(SoundVolume, HundredthsOfADecibelBecomeALinearGainBelowFullScale)
{
    for (const GainCase &c : kGains)
        EXPECT_NEAR(platform::gainFromHundredthsOfDecibel(c.volume, c.fullScale), c.gain, 1e-6)
            << c.volume << " under " << c.fullScale;
}

// Whatever the machine has (usually no audio device here), the real engine answers at once.
TEST(SoundEngine, RealEngineNeverFailsLoudly)
{
    auto engine = platform::createQtSoundEngine();
    engine->stop();
    engine->setUp();
    EXPECT_FALSE(engine->play("pas_de_tel_son"));
    engine->setMasterGain(0.5);
    engine->stop();
    engine->closeDown();
}
