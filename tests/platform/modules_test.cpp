// The modules that the build lays out in the program folder: each gives what its entry points
// make, and without them the programs make no sound, list no controller and report nothing.
#include "platform/audioplayer.h"
#include "platform/controllers_sdl.h"
#include "platform/modules.h"
#include "platform/programfolder.h"
#include "platform/sons_qt.h"
#include "platform/soundeffects.h"
#include "platform/speech.h"
#include "platform/speech_espeak.h"
#include "support/programfoldertest.h"

#include <QCoreApplication>

using namespace platform;

namespace {
class Modules : public ProgramFolderTest {
protected:
    void TearDown() override
    {
        setAudioPlayer(nullptr);
        ProgramFolderTest::TearDown();
    }
};
} // namespace

TEST_F(Modules, WithoutThemNothingIsHeardAndNothingComplains)
{
    // The temporary program folder has no modules.
    setSpeechEngineFactory({});
    setSoundEngineFactory({});
    setAudioPlayer(nullptr);
    bool failed = false;
    createSpeechEngine()->speak(QStringLiteral("Bonjour"), [&] { failed = true; });
    EXPECT_FALSE(createSoundEngine()->setUp());
    setControllersFactory({});
    EXPECT_TRUE(createControllers()->list().isEmpty());
    writeFile("question.wav", "RIFF\x24\0\0\0WAVEfmt ");
    EXPECT_FALSE(audioPlayer().open(path("question.wav")));
    QCoreApplication::processEvents();
    EXPECT_FALSE(failed);
}

TEST_F(Modules, TheBuildLaysThemOutWithTheirEntryPoints)
{
    setProgramFolder(QStringLiteral(TEMPEL_BUILD_APP_DIR));
    EXPECT_NE(makeFromModule<SpeechEngine>(kVoiceModule, kVoiceEntry), nullptr);
    EXPECT_NE(makeFromModule<SoundEngine>(kSoundModule, kSoundEngineEntry), nullptr);
    EXPECT_NE(makeFromModule<AudioPlayer>(kSoundModule, kAudioPlayerEntry), nullptr);
    // The controller module takes its base class from this program.
    EXPECT_NE(makeFromModule<Controllers>(kControllersModule, kControllersEntry), nullptr);
}
