#include "game/avatars/form_photos.h"
#include "game/services/form_admin.h"
#include "game/services/form_score.h"
#include "game/setup/form_accueil.h"
#include "game/setup/form_nombre_joueurs.h"
#include "platform/screens.h"

#include "game/setup/ecranstest.h"

#include <QTimer>

using platform::Label;
using platform::Screens;

namespace {
class ChoixJeu : public EcransTest {
protected:
    void SetUp() override
    {
        EcransTest::SetUp();
        writeThemes(1);
        // The file's own values, which the score games override until the next read.
        writeReglages("\"question\",\"30\",\"90\",\"Ding\",\"Buzzer\",\"oui\",\"oui\",\"non\","
                      "\"2\",\"3\",\"non\"");
    }

    Form_nombre_joueurs &ecran() { return form_nombre_joueurs(); }
    // The names of the selection labels that carry the mark.
    QStringList marques()
    {
        QStringList raised;
        for (Label *l : ecran().findChildren<Label *>()) {
            if (l->Appearance() == 1 && l != ecran().Label_options)
                raised << l->objectName();
        }
        raised.sort();
        return raised;
    }
    QString nombre() { return form_photos().Label_nombre_joueurs->Caption(); }
    int emplacementsVisibles()
    {
        int n = 0;
        for (int p = 1; p <= Form_photos::kSlots; ++p)
            n += form_photos().Text(p)->Visible() ? 1 : 0;
        return n;
    }
    Form_admin &admin() { return form_admin(); }
};
} // namespace

TEST_F(ChoixJeu, EightPlayersThenTwentyQuestionsKeepsBothMarksAndPreparesTheScoreGame)
{
    ecran().Label_8_joueurs->Click();
    EXPECT_EQ(marques(), QStringList({"Label_8_joueurs"}));
    EXPECT_EQ(nombre(), "8");
    EXPECT_EQ(ecran().Label_score_oui_non->Caption(), "non");

    form_photos().Image_retour_Click();
    ecran().Label_questions->Click();
    EXPECT_EQ(marques(), QStringList({"Label_8_joueurs", "Label_questions", "Label_score"}));
    EXPECT_EQ(ecran().Label_score_oui_non->Caption(), "oui");
    EXPECT_EQ(nombre(), "1");
    EXPECT_EQ(admin().Label_type_de_jeu->Caption(), "question");
    EXPECT_EQ(admin().Text_nombre_questions->Text(), "20");
    EXPECT_EQ(admin().Text_nombre_secondes->Text(), "90");
    EXPECT_EQ(admin().Label_points->Caption(), "10");
    EXPECT_EQ(admin().Label_points_gagnes->Caption(), "temps");
}

TEST_F(ChoixJeu, TwoMinutesAfterTwentyQuestionsSwapsTheScoreMarks)
{
    ecran().Label_questions->Click();
    ecran().Label_minutes->Click();
    EXPECT_EQ(marques(), QStringList({"Label_minutes", "Label_score"}));
    EXPECT_EQ(nombre(), "1");
    EXPECT_EQ(admin().Label_type_de_jeu->Caption(), "temps");
    EXPECT_EQ(admin().Text_nombre_questions->Text(), "30");
    EXPECT_EQ(admin().Text_nombre_secondes->Text(), "120");
    EXPECT_EQ(admin().Label_points->Caption(), "1");
    EXPECT_EQ(admin().Label_points_gagnes->Caption(), "1");
}

TEST_F(ChoixJeu, ACountAfterAScoreGameClearsTheScoreMarksAndRestoresTheFilesValues)
{
    ecran().Label_minutes->Click();
    ecran().Label_4_joueurs->Click();
    EXPECT_EQ(marques(), QStringList({"Label_4_joueurs"}));
    EXPECT_EQ(ecran().Label_score_oui_non->Caption(), "non");
    EXPECT_EQ(nombre(), "4");
    EXPECT_EQ(admin().Label_type_de_jeu->Caption(), "question");
    EXPECT_EQ(admin().Text_nombre_secondes->Text(), "90");
    EXPECT_EQ(admin().Label_points->Caption(), "2");
    EXPECT_EQ(admin().Label_points_gagnes->Caption(), "3");
}

TEST_F(ChoixJeu, EachCountMovesTheSingleMarkAndShowsThatManySlots)
{
    const std::pair<Label * Form_nombre_joueurs::*, int> cas[] = {
        {&Form_nombre_joueurs::Label_1_joueur, 1},    {&Form_nombre_joueurs::Label_2_joueurs, 2},
        {&Form_nombre_joueurs::Label_3_joueurs, 3},   {&Form_nombre_joueurs::Label_4_joueurs, 4},
        {&Form_nombre_joueurs::Label_8_joueurs, 8},   {&Form_nombre_joueurs::Label_9_joueurs, 9},
        {&Form_nombre_joueurs::Label_16_joueurs, 16}, {&Form_nombre_joueurs::Label_27_joueurs, 27},
        {&Form_nombre_joueurs::Label_32_joueurs, 32},
    };
    for (const auto &[label, n] : cas) {
        (ecran().*label)->Click();
        EXPECT_EQ(marques(), QStringList({(ecran().*label)->objectName()}));
        EXPECT_EQ(nombre(), QString::number(n));
        EXPECT_EQ(emplacementsVisibles(), n);
        EXPECT_TRUE(form_photos().isVisible());
        EXPECT_EQ(form_photos().Label_titre->Caption(),
                  n == 1 ? "Choisis un nom et une image pour te représenter"
                         : "Choisissez chacun un nom et une image pour vous représenter");
    }
}

TEST_F(ChoixJeu, OnePlayerAndBothScoreGamesGiveTheSameAvatarScreen)
{
    for (Label *l : {ecran().Label_1_joueur, ecran().Label_minutes, ecran().Label_questions}) {
        l->Click();
        Form_photos &photos = form_photos();
        EXPECT_EQ(nombre(), "1");
        EXPECT_EQ(emplacementsVisibles(), 1);
        EXPECT_EQ(photos.Label_titre->Caption(), "Choisis un nom et une image pour te représenter");
        EXPECT_EQ(photos.Picture_photos->geometry(), QRect(380, 180, 289, 113));
        EXPECT_EQ(photos.Label_photo(1)->pos(), QPoint(191, 0));
    }
}

TEST_F(ChoixJeu, SlotsLeftOutKeepTheirNamesAndComeBackAsTheyWere)
{
    ecran().Label_32_joueurs->Click();
    form_photos().Text(30)->setText("Zoé");
    form_photos().Label_chemin_image(30)->setCaption("/x/zoe.gif");
    ecran().Label_27_joueurs->Click();
    EXPECT_FALSE(form_photos().Text(30)->Visible());
    EXPECT_FALSE(form_photos().Image_photo(28)->Visible());
    EXPECT_FALSE(form_photos().Label_photo(32)->Visible());
    EXPECT_TRUE(form_photos().Text(27)->Visible());
    ecran().Label_32_joueurs->Click();
    EXPECT_TRUE(form_photos().Text(30)->Visible());
    EXPECT_EQ(form_photos().Text(30)->Text(), "Zoé");
    EXPECT_EQ(form_photos().Label_chemin_image(30)->Caption(), "/x/zoe.gif");
}

TEST_F(ChoixJeu, SecondRowPicturesSitHigherInTheNineAndSixteenLayouts)
{
    const auto ecart = [&](int slot) {
        return form_photos().Image_photo(slot)->y() - form_photos().Label_photo(slot)->y();
    };
    ecran().Label_16_joueurs->Click();
    // 270 twips lower than the card, or 100 in the second row (pixels, rounded down).
    EXPECT_EQ(ecart(1), 18);
    EXPECT_EQ(ecart(5), 7);
    EXPECT_EQ(ecart(9), 18);
    ecran().Label_9_joueurs->Click();
    EXPECT_EQ(ecart(4), 7);
    ecran().Label_8_joueurs->Click();
    EXPECT_EQ(ecart(5), 18);
}

TEST_F(ChoixJeu, SeeingTheScoresSetsTheQuizTypeAndLeavesTheChoiceAlone)
{
    // The score window is reachable by name only once registered, as the game does at start.
    registerForm_score();
    accueilTermine();
    ecran().Label_minutes->Click();
    form_photos().Hide();
    const QStringList avant = marques();

    for (const auto &[label, type] : {std::pair{ecran().Label_score_20_questions, "question"},
                                      std::pair{ecran().Label_score_minutes, "temps"}}) {
        bool scoresMontres = false;
        bool shapeVisible = false;
        bool choixCache = false;
        // The score window is modal: look at the screens while it is open, then leave it.
        QObject portee;
        QTimer::singleShot(0, &portee, [&] {
            // The welcome screen's second may come while the window is open.
            emit form_accueil().Timer1->Tick();
            auto *scores = Screens::ifLoaded("Form_score");
            scoresMontres = scores && scores->isVisible();
            shapeVisible = form_accueil().Shape_score->Visible();
            choixCache = !ecran().isVisible();
            if (scores)
                scores->Hide();
        });
        label->Click();
        EXPECT_EQ(admin().Label_type_de_jeu->Caption(), type);
        EXPECT_EQ(marques(), avant);
        EXPECT_TRUE(scoresMontres) << type;
        EXPECT_TRUE(shapeVisible) << type;
        EXPECT_TRUE(choixCache) << type;
        Screens::unload("Form_score");
    }
}

TEST_F(ChoixJeu, TheOptionsLinkStartsTheToolOnlyWhenReleasedOnIt)
{
    Label *options = ecran().Label_options;
    options->MouseDown();
    EXPECT_EQ(options->Appearance(), 1);
    options->MouseUp();
    EXPECT_EQ(options->Appearance(), 0);
    EXPECT_TRUE(m_started.empty());
    options->Click();
    ASSERT_EQ(m_started.size(), 1u);
    EXPECT_TRUE(m_started[0].endsWith("/Tempelgestion"));
}

TEST_F(ChoixJeu, TheOptionsLinkFollowsTheSettingAtLoadOnly)
{
    EXPECT_TRUE(ecran().Label_options->Visible());
    Screens::unloadAll();
    writeReglages("\"question\",\"30\",\"90\",\"Ding\",\"Buzzer\",\"non\"");
    EXPECT_FALSE(ecran().Label_options->Visible());
    // A later change of the setting shows nothing until the next start.
    writeReglages("\"question\",\"30\",\"90\",\"Ding\",\"Buzzer\",\"oui\"");
    ecran().Label_2_joueurs->Click();
    EXPECT_FALSE(ecran().Label_options->Visible());
}

TEST_F(ChoixJeu, WithNoThemeOnTheToolIsStartedOnceAtLoad)
{
    EXPECT_TRUE(m_started.empty()); // theme 1 is on
    Screens::unloadAll();
    writeThemes(0);
    ecran().Show();
    ASSERT_EQ(m_started.size(), 1u);
    EXPECT_TRUE(m_started[0].endsWith("/Tempelgestion"));
    ecran().Hide();
    ecran().Show();
    ecran().Label_1_joueur->Click();
    EXPECT_EQ(m_started.size(), 1u);
}

TEST_F(ChoixJeu, QuitUnloadsEveryScreenAndLoadsNoneOnTheWay)
{
    form_accueil();
    ecran().Label_2_joueurs->Click();
    ecran().Image_quitter_Click();
    for (const char *nom : {"Form_photos", "Form_admin", "Form_accueil", "Form_bruitage",
                            "Form_fond", "Form_score", "Form_jeu", "Form_nombre_joueurs"})
        EXPECT_FALSE(Screens::ifLoaded(QString::fromLatin1(nom))) << nom;
}
