// The controller panel and what a slot's controller shows: rows by the game, "Oui" and
// "Non", choosing, the test squares and button lines, losing a controller, the unload.
#include "game/match/manettestest.h"
#include "platform/screens.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

constexpr std::uint32_t B = 0xFFFFFF; // a square whose button is up

struct Rangees {
    const char *count;
    bool montrees[3];
};
// A row shows when its slot has a player in this game.
const Rangees kRangees[] = {
    {"1", {false, true, false}},
    {"2", {true, true, false}},
    {"3", {true, true, true}},
};

} // namespace

TEST_F(ManettesTest, PanelShowsTheRowsOfTheSlotsWithAPlayer)
{
    for (const Rangees &r : kRangees) {
        Form_jeu &j = ouvrir(r.count);
        j.Image_manette_Click();
        EXPECT_TRUE(j.Shape2->Visible());
        EXPECT_TRUE(j.Frame_boutons->Visible());
        for (int k = 1; k <= 3; ++k) {
            EXPECT_EQ(j.Label_manette(k)->Caption(), j.Label_nom_joueur(k)->Caption());
            for (QWidget *w : {static_cast<QWidget *>(j.Frame_manette(k)),
                               static_cast<QWidget *>(j.lstJoySticks_(k)),
                               static_cast<QWidget *>(j.Label_test(k)),
                               static_cast<QWidget *>(j.Label_test_(k)[3])})
                EXPECT_EQ(!w->isHidden(), r.montrees[k - 1]) << r.count << " " << k;
        }
        j.Image_cacher_boutons_Click();
        EXPECT_FALSE(j.Frame_boutons->Visible());
        EXPECT_FALSE(j.Shape2->Visible());
        platform::Screens::unload<Form_jeu>();
    }
}

TEST_F(ManettesTest, OuiWithoutAControllerSaysSoAndTheRowGoesBackToNon)
{
    Form_jeu &j = ouvrir("2");
    EXPECT_TRUE(j.Option_non(2)->Value()); // as the screen is made
    j.Option_oui(2)->setValue(true);
    EXPECT_EQ(m_messages, QStringList{QStringLiteral(": Il n'y a pas de manette de jeu")});
    EXPECT_TRUE(j.Option_non(2)->Value());
    EXPECT_FALSE(j.lstJoySticksB->isEnabled());
    EXPECT_FALSE(j.manettes()->polling());
}

TEST_F(ManettesTest, OuiTakesTheFirstControllerAnotherEntryReplacesItAndNonReleasesIt)
{
    m_manettes->plug("Manette A", 4);
    m_manettes->plug("Manette B", 4);
    Form_jeu &j = ouvrir("3");
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(j.lstJoySticks_(k)->ListCount(), 2);
    EXPECT_FALSE(j.manettes()->polling()); // nothing chosen, nothing polled

    j.Option_oui(2)->setValue(true);
    EXPECT_TRUE(j.lstJoySticksB->isEnabled());
    EXPECT_EQ(j.lstJoySticksB->ListIndex(), 0);
    EXPECT_EQ(m_manettes->opens, 1);
    EXPECT_TRUE(j.manettes()->polling());
    m_manettes->press(0, 1);
    EXPECT_EQ(carres(2)[0], 0xFF00u);

    cliquerEntree(j.lstJoySticksB, 1);
    EXPECT_EQ(m_manettes->releases, 1);
    EXPECT_EQ(m_manettes->opens, 2);
    m_manettes->press(0, 2); // the first one no longer reaches the slot
    EXPECT_TRUE(lignes(2).isEmpty());

    // Closing and opening the panel keeps the choice.
    j.Image_manette_Click();
    j.Image_cacher_boutons_Click();
    j.Image_manette_Click();
    EXPECT_TRUE(j.Option_oui(2)->Value());
    EXPECT_EQ(j.lstJoySticksB->ListIndex(), 1);

    j.Option_non(2)->setValue(true);
    EXPECT_FALSE(j.lstJoySticksB->isEnabled());
    EXPECT_EQ(j.lstJoySticksB->ListIndex(), -1);
    EXPECT_TRUE(j.lstJoySticksB->selectedItems().isEmpty());
    EXPECT_EQ(m_manettes->releases, 2);
    EXPECT_FALSE(j.manettes()->polling());
}

TEST_F(ManettesTest, TheListsFollowControllersPluggedAndUnpluggedAfterTheLoad)
{
    Form_jeu &j = ouvrir("2");
    const int a = m_manettes->plug("Manette A", 4);
    j.Image_manette_Click();
    EXPECT_EQ(j.lstJoySticks->ListCount(), 1);
    j.Option_oui(2)->setValue(true);
    EXPECT_EQ(m_manettes->opens, 1);

    // Seen while the chosen one is polled; the slot keeps its controller.
    m_manettes->plug("Manette B", 4);
    EXPECT_EQ(j.lstJoySticksB->ListCount(), 2);
    EXPECT_EQ(j.lstJoySticksB->ListIndex(), 0);
    EXPECT_EQ(m_manettes->opens, 1);
    m_manettes->unplug(a);
    EXPECT_EQ(j.lstJoySticks->List(0), "Manette B");
    EXPECT_EQ(j.lstJoySticksB->ListIndex(), -1);
    cliquerEntree(j.lstJoySticksB, 0);
    EXPECT_EQ(j.manettes()->entryOf(2), 0);
}

TEST_F(ManettesTest, ButtonsPaintTheirSquaresAndLines)
{
    m_manettes->plug("Manette", 6);
    Form_jeu &j = ouvrir("2");
    choisir(1);
    EXPECT_TRUE(lignes(1).isEmpty()); // nothing read before the first change
    m_manettes->set(0, {1, 2, 6});
    EXPECT_EQ(carres(1), (std::vector<std::uint32_t>{0xFF00, 0x80000002, B, B}));
    EXPECT_EQ(lignes(1), (QStringList{"Button 1: Down", "Button 2: Down", "Button 3: Up",
                                      "Button 4: Up", "Button 5: Up", "Button 6: Down"}));
    m_manettes->set(0, {3, 4});
    EXPECT_EQ(carres(1), (std::vector<std::uint32_t>{B, B, 0xFF, 0xFFFF}));
    EXPECT_EQ(carres(2), (std::vector<std::uint32_t>{B, B, B, B})); // another slot's squares
    m_manettes->set(0, {});
    EXPECT_EQ(carres(1), (std::vector<std::uint32_t>{B, B, B, B}));
    EXPECT_EQ(lignes(1).filter("Down"), QStringList{});
    (void)j;
}

TEST_F(ManettesTest, ALostControllerIsTakenAgainWhenItIsBack)
{
    const int pad = m_manettes->plug("Manette", 4);
    ouvrir("3");
    choisir(3);
    choisir(1);
    m_manettes->unplug(pad);
    EXPECT_TRUE(jeu().manettes()->polling()); // still chosen: it waits for the controller
    m_manettes->replug(pad);
    EXPECT_EQ(m_manettes->opens, 4); // both slots took it again, each from its own read
    m_manettes->press(pad, 4);
    EXPECT_EQ(carres(3)[3], 0xFFFFu);
    EXPECT_EQ(carres(1)[3], 0xFFFFu);
}

TEST_F(ManettesTest, UnloadReleasesEveryControllerAndStopsPolling)
{
    m_manettes->plug("Manette A", 4);
    m_manettes->plug("Manette B", 4);
    ouvrir("2");
    choisir(1, 0);
    choisir(2, 1);
    platform::Controllers *service = jeu().manettes();
    const int avant = m_manettes->releases;
    platform::Screens::unload<Form_jeu>();
    EXPECT_EQ(m_manettes->releases, avant + 2);
    EXPECT_FALSE(service->polling());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(m_manettes->services(), 0);
}

// Painting square 1 unloads the screen: the rest of that report does nothing.
TEST_F(ManettesTest, UnloadingFromInsideAReportEndsIt)
{
    const int pad = m_manettes->plug("Manette", 4);
    ouvrir("2");
    choisir(2);
    struct Fermeture : QObject {
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::PaletteChange)
                platform::Screens::unload<Form_jeu>();
            return false;
        }
    } fermeture;
    platform::Label *carre1 = jeu().Label_test2_[0];
    platform::Label *carre2 = jeu().Label_test2_[1];
    carre1->installEventFilter(&fermeture);
    m_manettes->set(pad, {1, 2});
    EXPECT_EQ(platform::Screens::ifLoaded<Form_jeu>(), nullptr);
    EXPECT_EQ(carre2->BackColor(), B);
    EXPECT_EQ(m_manettes->releases, 1);
    carre1->removeEventFilter(&fermeture);
    m_manettes->set(pad, {3}); // nothing listens any more
}

TEST_F(ManettesTest, LeavingUnselectsTheNonOptionsWithoutRunningThem)
{
    m_manettes->plug("Manette", 4);
    Form_jeu &j = ouvrir("3");
    choisir(2);
    j.deselectionnerOptionsNon();
    for (int k = 1; k <= 3; ++k)
        EXPECT_FALSE(j.Option_non(k)->Value());
    EXPECT_TRUE(j.Option_oui(2)->Value());
    EXPECT_EQ(m_manettes->releases, 0);
    EXPECT_FALSE(j.lstJoySticks->isEnabled());
}
