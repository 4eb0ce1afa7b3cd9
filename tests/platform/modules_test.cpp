// The modules that the build lays out in the program folder: each gives what its entry points
// make, and without them the programs make no sound, list no controller and report nothing. A
// module that cannot be used counts as absent, and the loader says why.
#include "platform/audioplayer.h"
#include "platform/controllers.h"
#include "platform/modules.h"
#include "platform/programfolder.h"
#include "platform/soundeffects.h"
#include "platform/speech.h"
#include "support/programfoldertest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

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

// What the loader logged while the test ran.
QStringList &logged()
{
    static QStringList lines;
    return lines;
}

void keepModuleLog(QtMsgType, const QMessageLogContext &context, const QString &text)
{
    if (QLatin1String(context.category) == QLatin1String(lcModules().categoryName()))
        logged() << text;
}

struct Refus {
    const char *cas;
    const char *module;  // the file laid in the controller module's place; null for none
    QByteArray bytes;    // or these bytes
    const char *attendu; // what the logged reason holds; null for the module the loader takes
    const char *systeme = nullptr; // and the system loader's own reason, when it gave one
    bool tube = false;             // or a named pipe in its place
};

const Refus kRefus[] = {
    {"bon", TEMPEL_TEST_MODULE, {}, nullptr},
    {"absent", nullptr, {}, "libtempelmanettes.so introuvable"},
    {"autreVersion", TEMPEL_TEST_MODULE_OTHER_VERSION, {}, "fait pour la version"},
    // As a module built before modules gave their version.
    {"sansVersion", TEMPEL_TEST_MODULE_WITHOUT_VERSION, {}, "tempelVersionModule"},
    {"sansEntree", TEMPEL_TEST_MODULE_WITHOUT_ENTRY, {}, "tempelManettes"},
    {"pasUnModule", nullptr, "ceci n'est pas un module", "non chargé", "file too short"},
    // As a module linked against a library whose version on the machine lacks a function.
    {"nonResolu", TEMPEL_TEST_MODULE_UNRESOLVED, {}, "non chargé",
     "undefined symbol: tempelFonctionAbsente"},
    {"tube", nullptr, {}, "n'est pas un fichier ordinaire", nullptr, true},
};

void PrintTo(const Refus &r, std::ostream *os)
{
    *os << r.cas;
}

class ModuleRefuse : public ProgramFolderTest, public ::testing::WithParamInterface<Refus> {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        logged().clear();
        m_handler = qInstallMessageHandler(keepModuleLog);
    }
    void TearDown() override
    {
        qInstallMessageHandler(m_handler);
        ProgramFolderTest::TearDown();
    }
    QtMessageHandler m_handler = nullptr;
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
    setProgramFolder(QStringLiteral(TEMPEL_PRODUCTS_DIR));
    EXPECT_NE(makeFromModule<SpeechEngine>(kVoiceModule, kVoiceEntry), nullptr);
    EXPECT_NE(makeFromModule<SoundEngine>(kSoundModule, kSoundEngineEntry), nullptr);
    EXPECT_NE(makeFromModule<AudioPlayer>(kSoundModule, kAudioPlayerEntry), nullptr);
    EXPECT_NE(makeFromModule<Controllers>(kControllersModule, kControllersEntry), nullptr);
}

// Each case in a program folder of its own: a module file, once loaded, stays loaded.
TEST_P(ModuleRefuse, AModuleThatCannotBeUsedIsAbsentAndTheReasonLogged)
{
    const Refus &r = GetParam();
    ASSERT_TRUE(QDir(m_folder.path()).mkpath("lib"));
    const QString place = path("lib/libtempelmanettes.so");
    if (r.module) {
        ASSERT_TRUE(QFile::copy(QString::fromUtf8(r.module), place));
    } else if (!r.bytes.isEmpty()) {
        writeFile("lib/libtempelmanettes.so", r.bytes);
    } else if (r.tube) {
        ASSERT_EQ(mkfifo(QFile::encodeName(place).constData(), 0600), 0);
    }
    setControllersFactory({});
    // A loader that waits on the file ends the test program rather than hanging the suite.
    alarm(60);
    const QStringList listees = createControllers()->list();
    alarm(0);
    if (!r.attendu) {
        EXPECT_EQ(listees, QStringList{QStringLiteral("Manette du module d'essai")});
        EXPECT_EQ(logged(), QStringList{});
        return;
    }
    EXPECT_EQ(listees, QStringList{});
    ASSERT_EQ(logged().size(), 1) << logged().join('\n').toStdString();
    EXPECT_TRUE(logged().first().contains(QString::fromUtf8(r.attendu)))
        << logged().first().toStdString();
    if (r.systeme) {
        EXPECT_TRUE(logged().first().contains(QLatin1String(r.systeme)))
            << logged().first().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Modules, ModuleRefuse, ::testing::ValuesIn(kRefus),
                         [](const auto &info) { return std::string(info.param.cas); });
