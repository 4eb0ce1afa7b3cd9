// How the screens are wired where no picture shows it: the order in which the quit unloads
// them, the window system's close, the welcome sound and a new game choice after a game.
#include "fakes/recordingsound.h"
#include "game/avatars/form_photos.h"
#include "game/match/form_jeu.h"
#include "game/screens.h"
#include "game/services/form_admin.h"
#include "game/services/form_bruitage.h"
#include "game/services/form_score.h"
#include "game/setup/form_accueil.h"
#include "game/setup/form_fond.h"
#include "game/setup/form_nombre_joueurs.h"
#include "platform/screens.h"

#include "game/setup/ecranstest.h"
#include "support/attendre.h"

#include <QApplication>
#include <QThread>
#include <QTimer>

using platform::Screens;

namespace {
// The order of the quit: the avatar screen first, the game-choice screen last.
const QStringList kOrdreQuitter = {"Form_photos",   "Form_admin",         "Form_accueil",
                                   "Form_bruitage", "Form_fond",          "Form_score",
                                   "Form_jeu",      "Form_nombre_joueurs"};

class Cablage : public EcransTest {
protected:
    void SetUp() override
    {
        EcransTest::SetUp();
        registerGameScreens();
        writeThemes(1);
        m_sons = platform::recordSoundEffects();
    }
    void TearDown() override
    {
        EcransTest::TearDown();
        platform::setSoundEngineFactory({});
    }
    // Every screen of the game loaded, as after a game and a look at the scores.
    void chargerTout()
    {
        form_accueil();
        form_photos().Label_nombre_joueurs->setCaption(QStringLiteral("2"));
        for (const QString &nom : kOrdreQuitter)
            ASSERT_TRUE(Screens::get(nom)) << qPrintable(nom);
    }
    // The screens in the order they are destroyed from now on; each unload destroys its
    // screen once the events posted before it have run, so this is the order of unloading.
    void enregistrerDechargements()
    {
        for (const QString &nom : kOrdreQuitter) {
            QObject::connect(Screens::ifLoaded(nom), &QObject::destroyed, &m_temoin,
                             [this, nom] { m_dechargees << nom; });
        }
    }
    void laisserDetruire() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    bool aucunEcranCharge()
    {
        for (const QString &nom : kOrdreQuitter) {
            if (Screens::ifLoaded(nom))
                return false;
        }
        return true;
    }

    std::shared_ptr<platform::SoundRecord> m_sons;
    QObject m_temoin;
    QStringList m_dechargees;
};
} // namespace

TEST_F(Cablage, QuitUnloadsTheScreensInItsOrder)
{
    chargerTout();
    enregistrerDechargements();
    form_nombre_joueurs().Image_quitter_Click();
    laisserDetruire();
    EXPECT_EQ(m_dechargees, kOrdreQuitter);
    EXPECT_EQ(m_sons->closeDowns, 1); // the sound engine is closed with its screen
}

// The window system's close (a window manager's close button, Alt+F4) quits as "Quitter"
// does: the same order, and the program's event loop ends.
TEST_F(Cablage, ClosingTheGamesWindowQuitsAsQuitterDoes)
{
    chargerTout();
    form_fond().afficherPleinEcran();
    enregistrerDechargements();
    QTimer::singleShot(0, &m_temoin, [] { form_fond().close(); });
    // The welcome screen's second is due with the close pending, as when loading the screens
    // took that long: the close must not pull the screen from under the tick's handler.
    form_accueil().Timer1->setInterval(1);
    QThread::msleep(5);
    // Should the close not end the loop, the test ends it with another status.
    QTimer::singleShot(10000, &m_temoin, [] { QCoreApplication::exit(2); });
    EXPECT_EQ(QApplication::exec(), 0);
    laisserDetruire();
    EXPECT_EQ(m_dechargees, kOrdreQuitter);
    EXPECT_TRUE(aucunEcranCharge());
}

namespace {
// Counts the paints of the widget it watches.
struct Peintures : QObject {
    int nombre = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++nombre;
        return false;
    }
};
} // namespace

TEST_F(Cablage, TheWelcomeSoundIsPlayedOnceTheWelcomeScreenIsDrawn)
{
    for (const bool musique : {true, false}) {
        writeReglages(
            QByteArray("\"question\",\"20\",\"120\",\"Ding\",\"Buzzer\",\"oui\",\"oui\",") +
            (musique ? "\"oui\"" : "\"non\"") + ",\"0\",\"1\",\"non\"");
        m_sons->played.clear();
        Peintures peintures;
        form_accueil().installEventFilter(&peintures);
        form_accueil().Show();
        ASSERT_TRUE(attendreQue([&] { return peintures.nombre > 0; }));
        // The sound is asked for from the event queue, just after the first paint.
        for (int tour = 0; tour < 3; ++tour)
            QCoreApplication::processEvents();
        EXPECT_EQ(m_sons->played, musique ? QStringList{"accueil"} : QStringList{}) << musique;
        Screens::unloadAll();
    }
}

// A game left by the game-choice screen (its "no question source" return, or a game
// screen hidden under it) is unloaded at the next choice: the next game starts afresh.
TEST_F(Cablage, ANewGameChoiceUnloadsAGameScreenStillLoaded)
{
    form_accueil();
    form_photos().Label_nombre_joueurs->setCaption(QStringLiteral("2"));
    Form_jeu *ancien = &form_jeu();
    bool detruit = false;
    QObject::connect(ancien, &QObject::destroyed, &m_temoin, [&detruit] { detruit = true; });
    form_nombre_joueurs().Label_4_joueurs->Click();
    EXPECT_EQ(Screens::ifLoaded<Form_jeu>(), nullptr);
    laisserDetruire();
    EXPECT_TRUE(detruit);
    EXPECT_TRUE(form_photos().isVisible());
}
