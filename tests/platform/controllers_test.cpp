// SDL2's controllers through virtual joysticks plugged in the test process: listing, presses
// and releases, polling only while a slot holds one, unplugging and plugging back.
#include "platform/controllers_sdl.h"

#include "platform/virtualjoystick.h"
#include "support/attendre.h"

#include <gtest/gtest.h>

namespace {

class SdlControllers : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_pad.plugged()) << SDL_GetError();
        m_service = platform::createSdlControllers();
        m_service->setReports(
            {[this](int slot) { m_reports.push_back(slot); }, [this] { ++m_plugs; }});
    }
    int entree() { return int(m_service->list().indexOf(m_pad.name())); }
    std::vector<bool> boutons(int slot)
    {
        std::vector<bool> b;
        EXPECT_EQ(m_service->read(slot, b), platform::Controllers::Read::Ok);
        return b;
    }

    VirtualJoystick m_pad;
    std::unique_ptr<platform::Controllers> m_service;
    std::vector<int> m_reports;
    int m_plugs = 0;
};

} // namespace

TEST_F(SdlControllers, PressesAndReleasesReachTheSlotThatHoldsTheController)
{
    const int e = entree();
    ASSERT_GE(e, 0);
    EXPECT_FALSE(m_service->polling());
    ASSERT_TRUE(m_service->open(2, e));
    EXPECT_TRUE(m_service->polling());
    EXPECT_EQ(m_service->buttonCount(2), 8);

    m_pad.set(2, true);
    ASSERT_TRUE(attendreQue([&] { return !m_reports.empty(); }));
    EXPECT_EQ(m_reports, std::vector<int>{2});
    EXPECT_EQ(boutons(2),
              (std::vector<bool>{false, true, false, false, false, false, false, false}));

    // The state reported is the whole controller's: button 2 is still down.
    m_reports.clear();
    m_pad.set(5, true);
    ASSERT_TRUE(attendreQue([&] { return !m_reports.empty(); }));
    EXPECT_EQ(boutons(2),
              (std::vector<bool>{false, true, false, false, true, false, false, false}));
    m_reports.clear();
    m_pad.set(2, false);
    ASSERT_TRUE(attendreQue([&] { return !m_reports.empty(); }));
    EXPECT_FALSE(boutons(2)[1]);

    std::vector<bool> b;
    EXPECT_EQ(m_service->read(1, b), platform::Controllers::Read::NoController);
    m_service->release(2);
    EXPECT_FALSE(m_service->polling());
    EXPECT_EQ(m_service->read(2, b), platform::Controllers::Read::NoController);
}

TEST_F(SdlControllers, AnEntryThatCannotBeHadLeavesTheSlotWithout)
{
    EXPECT_FALSE(m_service->open(1, 99));
    EXPECT_FALSE(m_service->open(1, -1));
    EXPECT_FALSE(m_service->polling());
}

TEST_F(SdlControllers, AnUnpluggedControllerIsLostThenTakenAgainWhenItIsBack)
{
    ASSERT_TRUE(m_service->open(1, entree()));
    ASSERT_TRUE(m_service->open(3, entree())); // two slots may share one controller
    m_pad.unplug();
    ASSERT_TRUE(attendreQue([&] { return m_reports.size() >= 2; }));
    std::vector<bool> b;
    EXPECT_EQ(m_service->read(1, b), platform::Controllers::Read::Lost);
    EXPECT_FALSE(m_service->reacquire(1));
    EXPECT_TRUE(m_service->polling()); // still chosen: it watches for the controller's return

    m_reports.clear();
    m_pad.plug();
    ASSERT_TRUE(attendreQue([&] { return m_reports.size() >= 2; }));
    EXPECT_TRUE(m_service->reacquire(1));
    EXPECT_TRUE(m_service->reacquire(3));
    m_reports.clear();
    m_pad.set(1, true);
    ASSERT_TRUE(attendreQue([&] { return m_reports.size() >= 2; }));
    EXPECT_TRUE(boutons(1)[0]);
    EXPECT_TRUE(boutons(3)[0]);
}

TEST_F(SdlControllers, ChoosingAnotherControllerLetsGoOfTheFirst)
{
    VirtualJoystick autre("Autre manette", 4);
    const QStringList noms = m_service->list();
    ASSERT_TRUE(m_service->open(1, int(noms.indexOf(m_pad.name()))));
    EXPECT_TRUE(m_pad.heldElsewhere());
    EXPECT_EQ(m_service->entryOf(1), noms.indexOf(m_pad.name()));
    ASSERT_TRUE(m_service->open(1, int(noms.indexOf(autre.name()))));
    EXPECT_FALSE(m_pad.heldElsewhere());
    EXPECT_EQ(m_service->entryOf(1), noms.indexOf(autre.name()));
    m_service->release(1);
    EXPECT_FALSE(autre.heldElsewhere());
    EXPECT_EQ(m_service->entryOf(1), -1);
}

// Two controllers of one model share one identifier: a lost one is never replaced by the
// other player's.
TEST_F(SdlControllers, IdenticalControllersEachStayWithTheirSlot)
{
    VirtualJoystick jumeau; // attached after the fixture's: listed after it
    ASSERT_TRUE(jumeau.plugged());
    const QStringList noms = m_service->list();
    const int premier = int(noms.indexOf(m_pad.name()));
    const int second = int(noms.lastIndexOf(m_pad.name()));
    ASSERT_LT(premier, second);
    ASSERT_TRUE(m_service->open(1, premier));
    ASSERT_TRUE(m_service->open(2, second));

    m_pad.unplug();
    ASSERT_TRUE(attendreQue([&] { return !m_reports.empty(); }));
    EXPECT_FALSE(m_service->reacquire(1));
    EXPECT_EQ(m_service->entryOf(1), -1);
    m_reports.clear();
    jumeau.set(1, true);
    ASSERT_TRUE(attendreQue([&] { return !m_reports.empty(); }));
    EXPECT_EQ(m_reports, std::vector<int>{2});

    // Plugged back, it is slot 1's again, and the lists are worth asking anew.
    m_reports.clear();
    m_plugs = 0;
    m_pad.plug();
    ASSERT_TRUE(attendreQue([&] { return !m_reports.empty() && m_plugs > 0; }));
    EXPECT_TRUE(m_service->reacquire(1));
    m_reports.clear();
    m_pad.set(3, true);
    ASSERT_TRUE(attendreQue([&] { return !m_reports.empty(); }));
    EXPECT_EQ(m_reports, std::vector<int>{1});
    EXPECT_TRUE(boutons(1)[2]);
    EXPECT_FALSE(boutons(2)[2]);
}

// A controller of another model plugged in while the slot's is away is not the slot's: it
// stays free for another slot.
TEST_F(SdlControllers, AnotherModelPluggedInWhileTheControllerIsAwayIsNotTakenForIt)
{
    ASSERT_TRUE(m_service->open(1, entree()));
    m_pad.unplug();
    ASSERT_TRUE(attendreQue([&] { return !m_reports.empty() && m_plugs > 0; }));
    m_reports.clear();
    m_plugs = 0;
    VirtualJoystick autre("Autre manette", 8);
    ASSERT_TRUE(attendreQue([&] { return m_plugs > 0; }));
    EXPECT_EQ(m_reports, std::vector<int>{});
    EXPECT_FALSE(m_service->reacquire(1));
    std::vector<bool> b;
    EXPECT_EQ(m_service->read(1, b), platform::Controllers::Read::Lost);

    ASSERT_TRUE(m_service->open(2, int(m_service->list().indexOf(autre.name()))));
    autre.set(1, true);
    ASSERT_TRUE(attendreQue([&] { return !m_reports.empty(); }));
    EXPECT_EQ(m_reports, std::vector<int>{2});
    EXPECT_EQ(m_service->read(1, b), platform::Controllers::Read::Lost);
}
