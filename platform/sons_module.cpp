// The sound module's entry points, found by name when a program first needs sound.
#include "platform/modules.h"
#include "platform/sons_qt.h"

extern "C" Q_DECL_EXPORT int tempelVersionModule()
{
    return platform::kSoundModule.version;
}

extern "C" Q_DECL_EXPORT void tempelBruitages(std::unique_ptr<platform::SoundEngine> &engine)
{
    engine = platform::createQtSoundEngine();
}

extern "C" Q_DECL_EXPORT void tempelLecteur(std::unique_ptr<platform::AudioPlayer> &player)
{
    player = platform::createQtAudioPlayer();
}
