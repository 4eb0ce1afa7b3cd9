// The sound-effects screen with a recording engine: each button's sound and volume, the
// applause and boo draws, stop, and silence after a failed set-up.
#include "fakes/recordingsound.h"
#include "game/services/form_admin.h"
#include "game/services/form_bruitage.h"
#include "platform/screens.h"
#include "platform/sons_qt.h"

#include "support/attendre.h"
#include "support/programfoldertest.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>

#include <cmath>

namespace {
// Gains of the master volumes -700, -500 and 1000 hundredths of a decibel, the tick-tock's
// 1000 being the loudest and played at full level: 17 and 15 dB below it.
constexpr double kGain700 = 0.141254;
constexpr double kGain500 = 0.177828;
constexpr double kFull = 1.0;

class SoundEffectsScreen : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        record = platform::recordSoundEffects();
    }
    void TearDown() override
    {
        ProgramFolderTest::TearDown();
        platform::setSoundEngineFactory({});
    }
    void press(const char *button)
    {
        auto *b = form_bruitage().findChild<platform::CommandButton *>(button);
        ASSERT_NE(b, nullptr) << button;
        b->setValue(true);
    }
    void setSettings(const QString &vrai, const QString &faux)
    {
        form_admin().Label_bruitage_vrai->setCaption(vrai);
        form_admin().Label_bruitage_faux->setCaption(faux);
    }
    std::shared_ptr<platform::SoundRecord> record;
};

struct ButtonCase {
    const char *button;
    const char *vrai;
    const char *faux;
    double draw;
    const char *sound;
    double gain;
};

const ButtonCase kButtons[] = {
    {"Command_accueil", "Ding", "Buzzer", 0.5, "accueil", kGain700},
    {"Command_tictac", "Ding", "Buzzer", 0.5, "tictac", kFull},
    {"Command_vrai", "Ding", "Buzzer", 0.5, "vrai", kGain700},
    {"Command_faux", "Ding", "Buzzer", 0.5, "faux", kGain500},
    {"Command_vrai", "Applaudissements", "Buzzer", 0.0, "gagner01", kGain700},
    {"Command_vrai", "Applaudissements", "Buzzer", 0.5, "gagner05", kGain700},
    {"Command_vrai", "Applaudissements", "Buzzer", 0.999, "gagner09", kGain700},
    {"Command_faux", "Ding", "Huées", 0.0, "perdu01", kGain500},
    {"Command_faux", "Ding", "Huées", 0.5, "perdu05", kGain500},
    {"Command_faux", "Ding", "Huées", 0.999, "perdu08", kGain500},
};

void PrintTo(const ButtonCase &c, std::ostream *os)
{
    *os << c.button << " -> " << c.sound;
}

class EachButton : public SoundEffectsScreen, public ::testing::WithParamInterface<ButtonCase> {};
} // namespace

TEST_P(EachButton, PlaysItsSoundThenSetsItsVolume)
{
    const ButtonCase &c = GetParam();
    setSettings(QString::fromUtf8(c.vrai), QString::fromUtf8(c.faux));
    const double draw = c.draw;
    form_bruitage().setRandomSource([draw] { return draw; });
    press(c.button);
    ASSERT_EQ(record->played, QStringList{QString::fromUtf8(c.sound)});
    ASSERT_EQ(record->gains.size(), 1u);
    EXPECT_NEAR(record->gains[0], c.gain, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(Table, EachButton, ::testing::ValuesIn(kButtons),
                         [](const auto &info) { return std::string(info.param.sound); });

TEST_F(SoundEffectsScreen, DrawsEveryClipAndNoOtherOverManyAnswers)
{
    setSettings("Applaudissements", QStringLiteral("Huées"));
    for (int i = 0; i < 600; ++i) {
        press("Command_vrai");
        press("Command_faux");
    }
    QSet<QString> applause;
    QSet<QString> boos;
    for (const QString &sound : record->played)
        (sound.startsWith("gagner") ? applause : boos).insert(sound);
    EXPECT_EQ(applause, (QSet<QString>{"gagner01", "gagner02", "gagner03", "gagner04", "gagner05",
                                       "gagner06", "gagner07", "gagner08", "gagner09"}));
    EXPECT_EQ(boos, (QSet<QString>{"perdu01", "perdu02", "perdu03", "perdu04", "perdu05", "perdu06",
                                   "perdu07", "perdu08"}));
}

// The levels keep the distances the volumes give: the tick-tock 17 dB above the right-answer
// sound, 15 dB above the buzzer, and nothing above full level.
TEST_F(SoundEffectsScreen, LevelsKeepTheirDistancesInDecibels)
{
    setSettings("Ding", "Buzzer");
    for (const char *button : {"Command_tictac", "Command_vrai", "Command_faux", "Command_accueil"})
        press(button);
    ASSERT_EQ(record->gains.size(), 4u);
    const auto decibels = [](double gain) { return 20.0 * std::log10(gain); };
    EXPECT_NEAR(decibels(record->gains[0]), 0.0, 1e-9);
    EXPECT_NEAR(decibels(record->gains[0]) - decibels(record->gains[1]), 17.0, 1e-6);
    EXPECT_NEAR(decibels(record->gains[0]) - decibels(record->gains[2]), 15.0, 1e-6);
    EXPECT_NEAR(decibels(record->gains[2]) - decibels(record->gains[3]), 2.0, 1e-6);
}

TEST_F(SoundEffectsScreen, OtherSettingsPlayNothingAndKeepTheVolume)
{
    press("Command_tictac");
    // The words are matched exactly, and each button knows only its own two.
    const std::pair<QString, QString> others[] = {{"non", "non"},
                                                  {"", ""},
                                                  {"ding", "buzzer"},
                                                  {"Applaudissements ", "Huees"},
                                                  {QStringLiteral("Huées"), "Ding"},
                                                  {"Buzzer", "Applaudissements"}};
    for (const auto &[vrai, faux] : others) {
        setSettings(vrai, faux);
        press("Command_vrai");
        press("Command_faux");
    }
    EXPECT_EQ(record->played, QStringList{"tictac"});
    EXPECT_EQ(record->gains.size(), 1u);
}

TEST_F(SoundEffectsScreen, StopStopsTheEngineAndChangesNoVolume)
{
    press("Command_stop");
    press("Command_accueil");
    press("Command_stop");
    EXPECT_EQ(record->stops, 2);
    EXPECT_EQ(record->gains.size(), 1u);
}

TEST_F(SoundEffectsScreen, FailedSetUpSilencesEveryLaterPlay)
{
    record->failSetUp = true;
    setSettings("Applaudissements", QStringLiteral("Huées"));
    for (const char *button :
         {"Command_accueil", "Command_tictac", "Command_vrai", "Command_faux", "Command_stop"})
        press(button);
    EXPECT_EQ(record->setUps, 1);
    EXPECT_TRUE(record->played.isEmpty());
    EXPECT_TRUE(record->gains.empty());
    EXPECT_EQ(record->stops, 0);
}

TEST_F(SoundEffectsScreen, MissingSoundLeavesTheVolumeAsItWas)
{
    record->missing = {"tictac"};
    press("Command_accueil");
    press("Command_tictac");
    EXPECT_EQ(record->played, QStringList{"accueil"});
    ASSERT_EQ(record->gains.size(), 1u);
    EXPECT_NEAR(record->gains[0], kGain700, 1e-5);
}

TEST_F(SoundEffectsScreen, IsReachableByNameAndSetsUpOncePerLoad)
{
    registerForm_bruitage();
    platform::Form *screen = platform::Screens::get("Form_bruitage");
    ASSERT_NE(screen, nullptr);
    screen->findChild<platform::CommandButton *>("Command_accueil")->setValue(true);
    screen->findChild<platform::CommandButton *>("Command_tictac")->setValue(true);
    EXPECT_EQ(record->setUps, 1);
    EXPECT_EQ(record->played, (QStringList{"accueil", "tictac"}));

    platform::Screens::unload("Form_bruitage");
    EXPECT_EQ(record->closeDowns, 1);
    press("Command_accueil");
    EXPECT_EQ(record->setUps, 2);
}

// The names the buttons ask for are the sounds compiled into the game; with no audio device
// the real engine still finds them and plays nothing, without complaint.
TEST(GameSounds, EveryNameTheButtonsPlayIsASoundOfTheGame)
{
    // Qt loads each effect's sound on a thread of its own, which ends once no load is left, and
    // leaks what a load still in progress holds at exit: the test waits for that thread's end.
    // Not asserted: a sound server's own threads, where there is one, stay.
    const auto threads = [] {
        return QDir(QStringLiteral("/proc/self/task"))
            .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
            .size();
    };
    const qsizetype before = threads();
    auto engine = platform::createQtSoundEngine();
    for (const char *name :
         {"accueil",  "tictac",   "vrai",     "faux",     "gagner01", "gagner02", "gagner03",
          "gagner04", "gagner05", "gagner06", "gagner07", "gagner08", "gagner09", "perdu01",
          "perdu02",  "perdu03",  "perdu04",  "perdu05",  "perdu06",  "perdu07",  "perdu08"})
        EXPECT_TRUE(engine->play(name)) << name;
    EXPECT_FALSE(engine->play("gagner10"));
    attendreQue([&] { return threads() <= before; });
    engine->stop();
    engine->closeDown();
}
