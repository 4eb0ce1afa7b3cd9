// The voice module's entry points, found by name when a program first speaks.
#include "platform/modules.h"
#include "platform/speech_espeak.h"

extern "C" Q_DECL_EXPORT int tempelVersionModule()
{
    return platform::kVoiceModule.version;
}

extern "C" Q_DECL_EXPORT void tempelVoixFrancaise(std::unique_ptr<platform::SpeechEngine> &engine)
{
    engine = platform::createEspeakEngine(platform::createAudioSinkOutput());
}
