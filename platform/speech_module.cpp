// The voice module's entry point, found by name when a program first speaks.
#include "platform/speech_espeak.h"

extern "C" Q_DECL_EXPORT void tempelVoixFrancaise(std::unique_ptr<platform::SpeechEngine> &engine)
{
    engine = platform::createEspeakEngine(platform::createAudioSinkOutput());
}
