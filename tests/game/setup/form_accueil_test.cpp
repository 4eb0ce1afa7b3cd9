#include "game/avatars/form_photos.h"
#include "game/services/form_admin.h"
#include "game/setup/form_accueil.h"
#include "game/setup/form_fond.h"
#include "game/setup/form_nombre_joueurs.h"
#include "platform/screens.h"

#include "game/setup/ecranstest.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

using platform::LockKey;
using platform::Screens;

namespace {
class Accueil : public EcransTest {};
} // namespace

TEST_F(Accueil, CountdownLoadsTheAvatarScreenThenShowsTheGameChoice)
{
    writeThemes(1);
    Form_accueil &accueil = form_accueil();
    accueil.Show();
    EXPECT_EQ(accueil.Label_timer->Caption(), "2");
    EXPECT_EQ(accueil.Timer1->Interval(), 1000);
    EXPECT_TRUE(accueil.Timer1->Enabled());
    EXPECT_FALSE(Screens::ifLoaded<Form_photos>());

    accueil.Timer1_Timer();
    EXPECT_EQ(accueil.Label_timer->Caption(), "1");
    ASSERT_TRUE(Screens::ifLoaded<Form_photos>());
    EXPECT_FALSE(Screens::ifLoaded<Form_photos>()->isVisible());
    EXPECT_FALSE(Screens::ifLoaded<Form_nombre_joueurs>());

    accueil.Timer1_Timer();
    EXPECT_EQ(accueil.Label_timer->Caption(), "0");
    ASSERT_TRUE(Screens::ifLoaded<Form_nombre_joueurs>());
    EXPECT_TRUE(form_nombre_joueurs().isVisible());
    EXPECT_FALSE(form_photos().isVisible());
    EXPECT_TRUE(accueil.isVisible()); // stays underneath
}

TEST_F(Accueil, LaterTicksCountOnButNeverShowTheGameChoiceAgain)
{
    writeThemes(1);
    Form_accueil &accueil = form_accueil();
    accueil.Timer1_Timer();
    accueil.Timer1_Timer();
    form_nombre_joueurs().Hide();
    for (const char *attendu : {"-1", "-2", "-3"}) {
        accueil.Timer1_Timer();
        EXPECT_EQ(accueil.Label_timer->Caption(), attendu);
    }
    EXPECT_FALSE(form_nombre_joueurs().isVisible());
    EXPECT_TRUE(accueil.Timer1->Enabled());
}

TEST_F(Accueil, StartsWithoutPicturesOrSettingsFiles)
{
    // The temporary program folder has no settings files at all.
    Form_accueil &accueil = form_accueil();
    accueil.Show();
    EXPECT_TRUE(Screens::ifLoaded<Form_fond>());
    EXPECT_TRUE(form_fond().isVisible());
    EXPECT_EQ(form_admin().Label_type_de_jeu->Caption(), "question"); // the store's default
    EXPECT_EQ(platform::Form::hostWindow(), &form_fond());
    // Centred in the background screen.
    EXPECT_EQ(accueil.Left(), (form_fond().Width() - accueil.Width()) / 2);
}

TEST_F(Accueil, ReadsTheSettingsAndSetsTheLockKeysOnceTheFirstFrameIsDrawn)
{
    writeReglages("\"temps\",\"20\",\"120\",\"Ding\",\"Buzzer\",\"oui\",\"oui\",\"non\",\"0\","
                  "\"1\",\"non\"");
    m_locks->state = {{LockKey::Num, false}, {LockKey::Caps, true}, {LockKey::Scroll, false}};
    Form_accueil &accueil = form_accueil();
    // Nothing that would hold the first frame back comes before it.
    EXPECT_TRUE(accueil.suiteEnAttente());
    EXPECT_FALSE(Screens::ifLoaded<Form_admin>());
    EXPECT_TRUE(m_locks->changes.empty());

    accueil.Show();
    QElapsedTimer horloge;
    horloge.start();
    while (accueil.suiteEnAttente() && horloge.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(accueil.suiteEnAttente());
    EXPECT_EQ(form_admin().Label_type_de_jeu->Caption(), "temps");
    EXPECT_EQ(m_locks->state[LockKey::Num], true);
    EXPECT_EQ(m_locks->state[LockKey::Caps], false);
}

TEST_F(Accueil, AScreenNeverDrawnReadsItsSettingsAtTheFirstTick)
{
    writeReglages("\"temps\",\"20\",\"120\",\"Ding\",\"Buzzer\",\"oui\",\"oui\",\"non\",\"0\","
                  "\"1\",\"non\"");
    Form_accueil &accueil = form_accueil();
    // A close already pending waits for the tick's end: the tick keeps its screen.
    QObject portee;
    QTimer::singleShot(0, &portee, [] { form_fond().close(); });
    accueil.Timer1_Timer();
    EXPECT_FALSE(accueil.suiteEnAttente());
    EXPECT_EQ(form_admin().Label_type_de_jeu->Caption(), "temps");
    EXPECT_EQ(Screens::ifLoaded<Form_accueil>(), &accueil);
}

namespace {
struct CasVerrous {
    std::optional<bool> num, caps, scroll;
    std::vector<std::pair<LockKey, bool>> changements;
};
} // namespace

TEST_F(Accueil, LockKeysEndWithNumOnAndCapsAndScrollOffTouchingOnlyWhatDiffers)
{
    const CasVerrous cas[] = {
        {true, false, false, {}}, // nothing to change: nothing is sent
        {false, false, false, {{LockKey::Num, true}}},
        {true, true, false, {{LockKey::Caps, false}}},
        {true, false, true, {{LockKey::Scroll, false}}},
        {false,
         true,
         true,
         {{LockKey::Num, true}, {LockKey::Caps, false}, {LockKey::Scroll, false}}},
        {true, true, true, {{LockKey::Caps, false}, {LockKey::Scroll, false}}},
        // A state that cannot be told is left alone.
        {std::nullopt, std::nullopt, std::nullopt, {}},
        {std::nullopt, true, std::nullopt, {{LockKey::Caps, false}}},
    };
    for (const CasVerrous &c : cas) {
        m_locks->state = {
            {LockKey::Num, c.num}, {LockKey::Caps, c.caps}, {LockKey::Scroll, c.scroll}};
        m_locks->changes.clear();
        Numlock();
        EXPECT_EQ(m_locks->changes, c.changements)
            << c.num.value_or(-1) << c.caps.value_or(-1) << c.scroll.value_or(-1);
    }
}

// The background screen is black wherever its picture does not reach.
TEST_F(Accueil, TheBackgroundIsThePictureAndBlackBeyondIt)
{
    Form_fond &fond = form_fond();
    fond.resize(200, 100);
    for (const bool avecImage : {true, false}) {
        QPixmap image(120, 60);
        image.fill(Qt::red);
        fond.setPicture(avecImage ? image : QPixmap());
        // Drawn over green: what the screen leaves unpainted shows.
        QPixmap cible(fond.size());
        cible.fill(Qt::green);
        fond.render(&cible);
        const QImage vu = cible.toImage();
        EXPECT_EQ(vu.pixelColor(10, 10), avecImage ? QColor(Qt::red) : QColor(Qt::black));
        EXPECT_EQ(vu.pixelColor(150, 30), QColor(Qt::black)) << avecImage;
        EXPECT_EQ(vu.pixelColor(60, 80), QColor(Qt::black)) << avecImage;
    }
}
