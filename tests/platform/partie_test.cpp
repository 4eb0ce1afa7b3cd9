// What the match needs of the platform: timers that keep their period when switched on again,
// a DoEvents and a random source that tests script, and keys previewed by their screen as
// virtual-key numbers.
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/random.h"
#include "platform/virtualkeys.h"

#include "support/touches.h"
#include <QKeyEvent>
#include <QTimer>

#include <gtest/gtest.h>
#include <thread>

using namespace platform;

namespace {
// Whether a period was kept or restarted is read against a reference timer started just
// before: a restarted timer ends after it, a kept one before it, however busy the machine.
// Each is read on the side where a pause between the two reads cannot change the order.
bool finitAvant(const Timer &timer, const QTimer &reference)
{
    const int r = reference.remainingTime();
    return timer.RemainingTime() < r;
}
bool finitApres(const Timer &timer, const QTimer &reference)
{
    const int t = timer.RemainingTime();
    return t >= reference.remainingTime();
}
// Long enough for a millisecond clock to see that the timer started earlier.
void laisserCourir()
{
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
}
} // namespace

TEST(PartiePlatform, SwitchingOnARunningTimerKeepsItsPeriod)
{
    QObject owner;
    Timer timer(&owner, "Timer_tempello", 10000);
    timer.setEnabled(true);
    laisserCourir();
    QTimer reference;
    reference.setTimerType(Qt::PreciseTimer);
    reference.start(10000);
    timer.setEnabled(true);
    EXPECT_TRUE(finitAvant(timer, reference));
}

TEST(PartiePlatform, OffThenOnOrANewIntervalRestartsThePeriod)
{
    QObject owner;
    Timer timer(&owner, "Timer_tempello", 10000, true);
    laisserCourir();
    QTimer reference;
    reference.setTimerType(Qt::PreciseTimer);
    reference.start(10000);
    timer.setEnabled(false);
    EXPECT_EQ(timer.RemainingTime(), -1);
    timer.setEnabled(true);
    EXPECT_TRUE(finitApres(timer, reference));
    laisserCourir();
    reference.start(20000);
    timer.setInterval(20000);
    EXPECT_TRUE(finitApres(timer, reference));
}

TEST(PartiePlatform, DoEventsRunsTheTestsScript)
{
    int appels = 0;
    setDoEventsHook([&appels] { ++appels; });
    DoEvents();
    DoEvents();
    setDoEventsHook({});
    DoEvents();
    EXPECT_EQ(appels, 2);
}

TEST(PartiePlatform, RandomDrawsAreScriptedOrUniform)
{
    std::vector<double> suite{0.5, 0.0, 0.999};
    std::size_t i = 0;
    setRandomSource([&] { return suite[i++]; });
    EXPECT_EQ(Rnd(), 0.5);
    EXPECT_EQ(Rnd(), 0.0);
    EXPECT_EQ(Rnd(), 0.999);
    setRandomSource({});
    // Re-seeded from a fine clock, two draws in the same second still differ.
    Randomize();
    const double a = Rnd();
    Randomize();
    const double b = Rnd();
    EXPECT_NE(a, b);
    for (int n = 0; n < 1000; ++n) {
        const double r = Rnd();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
}

struct Cle {
    int key;
    Qt::KeyboardModifiers modifiers;
    int code;
};

TEST(PartiePlatform, QtKeysBecomeVirtualKeyNumbers)
{
    const Cle cles[] = {
        {Qt::Key_F1, Qt::NoModifier, 112},    {Qt::Key_F4, Qt::NoModifier, 115},
        {Qt::Key_J, Qt::NoModifier, 74},      {Qt::Key_M, Qt::ShiftModifier, 77},
        {Qt::Key_1, Qt::KeypadModifier, 97},  {Qt::Key_4, Qt::KeypadModifier, 100},
        {Qt::Key_1, Qt::NoModifier, 49},      {Qt::Key_4, Qt::NoModifier, 52},
        {Qt::Key_End, Qt::KeypadModifier, 0}, // keypad 1 with Num Lock off
        {Qt::Key_Space, Qt::NoModifier, 0},
    };
    for (const Cle &c : cles) {
        QKeyEvent e(QEvent::KeyPress, c.key, c.modifiers);
        EXPECT_EQ(virtualKeyCode(e), c.code) << c.key;
    }
}

namespace {
class Ecran : public Form {
public:
    Ecran() : Form("Ecran") {}
    std::vector<int> touches;
    void Form_KeyDown(int KeyCode, int) override { touches.push_back(KeyCode); }
};
} // namespace

TEST(PartiePlatform, AScreenPreviewsEveryKeyOnceWhicheverControlHasIt)
{
    Ecran ecran;
    ecran.setKeyPreview(true);
    ListBox liste(&ecran, "lstScores");
    liste.AddItem("Jean");
    liste.AddItem("Marie");
    Label etiquette(&ecran, "Label_question");
    QWidget ailleurs;

    appuyer(&liste, Qt::Key_J); // a list would search with it
    appuyer(&liste, Qt::Key_F1);
    appuyer(&etiquette, Qt::Key_1, Qt::KeypadModifier); // travels on to the screen
    appuyer(&ecran, Qt::Key_2);
    appuyer(&ailleurs, Qt::Key_K);
    EXPECT_EQ(ecran.touches, (std::vector<int>{74, 112, 97, 50}));

    ecran.setKeyPreview(false);
    appuyer(&liste, Qt::Key_J);
    EXPECT_EQ(ecran.touches.size(), 4u);
}

TEST(PartiePlatform, AShownScreenOfTheHostWindowTakesTheKeysOfThatWindow)
{
    QWidget hote;
    Ecran ecran;
    ecran.setParent(&hote);
    ecran.setKeyPreview(true);
    QWidget dessous(&hote); // a screen beneath, whose control kept the focus
    TextBox nom(&dessous, "Text1");
    hote.show();
    appuyer(&nom, Qt::Key_F2); // hidden game screen: not its key
    ecran.show();
    appuyer(&nom, Qt::Key_F3);
    appuyer(&hote, Qt::Key_F4);
    EXPECT_EQ(ecran.touches, (std::vector<int>{114, 115}));
}
