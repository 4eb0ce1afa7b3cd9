#include "platform/controls.h"
#include "platform/screens.h"

#include <QCoreApplication>
#include <QThread>
#include <gtest/gtest.h>

using namespace platform;

namespace {
int loads = 0;
int unloads = 0;

class Form_essai : public Form {
public:
    static constexpr const char *formName = "Form_essai";
    Form_essai() : Form(formName)
    {
        connect(Timer1, &Timer::Tick, this, [this] { ++value; });
    }
    void Form_Load() override
    {
        ++loads;
        // A load that refers to its own screen must not create a second one.
        EXPECT_EQ(Screens::ifLoaded<Form_essai>(), this);
        value = 1;
    }
    void Form_Unload() override { ++unloads; }
    int value = 0;
    Timer *Timer1 = new Timer(this, QStringLiteral("Timer1"), 1, true);
};

class ScreensTest : public ::testing::Test {
protected:
    void SetUp() override { loads = unloads = 0; }
    void TearDown() override { Screens::unloadAll(); }
};
} // namespace

TEST_F(ScreensTest, FirstUseCreatesTheScreenAndRunsItsLoadOnce)
{
    EXPECT_EQ(Screens::ifLoaded<Form_essai>(), nullptr);
    Form_essai &first = Screens::get<Form_essai>();
    Form_essai &again = Screens::get<Form_essai>();
    EXPECT_EQ(&first, &again);
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(first.value, 1);
    EXPECT_EQ(Screens::get(QStringLiteral("Form_essai")), &first);
}

TEST_F(ScreensTest, UnloadDestroysTheScreenAndTheNextUseStartsAfresh)
{
    Form_essai &form = Screens::get<Form_essai>();
    form.value = 5;
    QMetaObject::invokeMethod(
        &form, [&form] { form.value = 7; }, Qt::QueuedConnection);
    Screens::unload<Form_essai>();
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(Screens::ifLoaded<Form_essai>(), nullptr);
    // Not yet destroyed, the screen runs nothing more: neither the call queued to it before
    // nor a tick of its timer, which is due by now.
    QThread::msleep(5);
    QCoreApplication::processEvents();
    EXPECT_EQ(form.value, 5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Screens::get<Form_essai>().value, 1);
    EXPECT_EQ(loads, 2);
}

TEST_F(ScreensTest, UnloadingAScreenThatIsNotLoadedDoesNothing)
{
    Screens::unload<Form_essai>();
    Screens::unload(QStringLiteral("Form_inconnu"));
    EXPECT_EQ(unloads, 0);
    EXPECT_EQ(Screens::get(QStringLiteral("Form_inconnu")), nullptr);
}

TEST_F(ScreensTest, AModalScreenReturnsWhenHidden)
{
    Form_essai &form = Screens::get<Form_essai>();
    QMetaObject::invokeMethod(
        &form, [&] { form.Hide(); }, Qt::QueuedConnection);
    form.ShowModal();
    EXPECT_FALSE(form.isModalShown());
}

TEST_F(ScreensTest, AModalScreenReturnsWhenUnloaded)
{
    Form_essai &form = Screens::get<Form_essai>();
    QMetaObject::invokeMethod(
        &form, [] { Screens::unload<Form_essai>(); }, Qt::QueuedConnection);
    form.ShowModal();
    EXPECT_EQ(Screens::ifLoaded<Form_essai>(), nullptr);
}
