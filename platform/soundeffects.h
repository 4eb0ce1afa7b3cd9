// The game's short sounds: WAVE resources of type DMSEG played by name, one at a time, under
// a master gain. Without an audio device the set-up fails and nothing is ever heard.
#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace platform {

// A change here raises the sound module's version (modules.h).
class SoundEngine {
public:
    virtual ~SoundEngine() = default;
    // False when there is nothing to play sounds on; the engine is not used afterwards.
    virtual bool setUp() = 0;
    // Starts the resource `name` (any case) in place of the current sound; false when the
    // resource does not exist. Never waits for the sound.
    virtual bool play(const QString &name) = 0;
    // The linear gain (0 silent, 1 full) of the current sound and of the next ones.
    virtual void setMasterGain(double gain) = 0;
    // Stops the current sound, if any.
    virtual void stop() = 0;
    virtual void closeDown() = 0;
};

// A volume in hundredths of a decibel as a linear gain, `fullScale` being the volume that
// plays at the recording's full level: nothing plays louder than its recording, so the
// loudest volume in use is put there and the others keep their distance below it. Volumes
// above `fullScale` are held at full level.
[[nodiscard]] double gainFromHundredthsOfDecibel(int volume, int fullScale = 0);

// A new engine from the installed factory: unless a test changed it, the Qt Multimedia one
// of the sound module, loaded on the first call; without the module an engine that finds no
// audio device.
std::unique_ptr<SoundEngine> createSoundEngine();

// An empty factory restores the sound module's engine.
using SoundEngineFactory = std::function<std::unique_ptr<SoundEngine>()>;
void setSoundEngineFactory(SoundEngineFactory factory);

} // namespace platform
