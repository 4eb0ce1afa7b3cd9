// The game screen as it is created and loaded for each participant count.
#include "game/avatars/form_photos.h"
#include "game/match/form_jeu.h"
#include "game/services/respicture.h"
#include "game/setup/form_nombre_joueurs.h"
#include "platform/errors.h"
#include "platform/programfolder.h"
#include "platform/screens.h"
#include "support/programfoldertest.h"

#include <QElapsedTimer>
#include <QImage>
#include <QMovie>
#include <QTimer>

#include <algorithm>

namespace {

class FormJeu : public ProgramFolderTest {
protected:
    Form_jeu &charger(const QString &count, bool jeuScore = false)
    {
        form_photos().Label_nombre_joueurs->setCaption(count);
        form_nombre_joueurs().Label_score->setAppearance(jeuScore ? 1 : 0);
        return form_jeu();
    }
    QWidget *control(const QString &name) { return form_jeu().findChild<QWidget *>(name); }
    // The picture of the "fond" resource, when the game carries it.
    static std::optional<QImage> fond(const QString &name)
    {
        try {
            ResPicture r;
            r.setFileName(platform::programPath("Tempeljeu.exe"));
            return r.LoadResPicture("fond", name).toImage();
        } catch (const platform::NumberedError &) {
            return std::nullopt;
        }
    }
};

// The load by count: background, slots set to "-1000", slot controls shown, keys of slot 2.
struct Chargement {
    const char *count;
    const char *fond; // "" for none
    bool score1Absent;
    bool score3Absent;
    bool slot1Montre;
    bool slot3Montre;
    const char *aide2[4];
};

const Chargement kChargements[] = {
    {"1", "1joueur", true, true, false, false, {"1", "2", "3", "4"}},
    {"2", "2joueurs", false, true, true, false, {"1", "2", "3", "4"}},
    {"16", "2joueurs", false, true, true, false, {"1", "2", "3", "4"}},
    {"27", "3joueurs", false, false, true, true, {"J", "K", "L", "M"}},
    {"quatre", "", false, false, false, false, {"1", "2", "3", "4"}},
};

} // namespace

TEST_F(FormJeu, StartsInItsCreationState)
{
    Form_jeu &jeu = charger("rien");
    const char *const montres[] = {
        "Label_nom_joueur2", "Label_score2",    "Image2",       "Label_aide2a",
        "Label_aide2b",      "Label_aide2c",    "Label_aide2d", "Label_timer_highscore",
        "Label_question_n",  "Numero_question", "Debut",        "Shape3",
        "Label_stop_jeu",    "Shape4"};
    const char *const caches[] = {"Label_nom_joueur1",
                                  "Label_nom_joueur3",
                                  "Image1",
                                  "Image3",
                                  "Label_score1",
                                  "Label_score3",
                                  "Label_faux1",
                                  "Label_faux2",
                                  "Label_faux3",
                                  "Label_aide1a",
                                  "Label_aide1d",
                                  "Label_aide3a",
                                  "Label_aide3d",
                                  "Label_vainqueur",
                                  "Label_nom_vainqueur",
                                  "Label_timer_nouvelle_question",
                                  "Label_manche_suivante",
                                  "Shape_manche_suivante",
                                  "Image_score",
                                  "Picture_jeu",
                                  "Picture_vainqueurs1",
                                  "Picture_vainqueurs2",
                                  "Picture_vainqueurs3",
                                  "Shape2",
                                  "Frame_boutons",
                                  "Command_question",
                                  "Command1"};
    for (const char *name : montres) {
        ASSERT_NE(control(name), nullptr) << name;
        EXPECT_FALSE(control(name)->isHidden()) << name;
    }
    for (const char *name : caches) {
        ASSERT_NE(control(name), nullptr) << name;
        EXPECT_TRUE(control(name)->isHidden()) << name;
    }
    EXPECT_EQ(jeu.Debut->Caption(), "Clique ici pour jouer ou pour  rejouer");
    EXPECT_EQ(jeu.Label_stop_jeu->Caption(), "Clique ici pour arrêter le jeu");
    EXPECT_EQ(jeu.Label_manche_suivante->Caption(),
              "Clique ici pour afficher les joueurs de  la partie suivante");
    EXPECT_EQ(jeu.Label_vainqueur->Caption(), "Le vainqueur est");
    EXPECT_EQ(jeu.Label_timer_nouvelle_question->Caption(), "3");
    EXPECT_EQ(jeu.Label_question_n->Caption(), "Question n°");
    EXPECT_EQ(jeu.Label_meilleurs_scores->Caption(), "Liste des 15 meilleurs scores");
    for (int s = 1; s <= 3; ++s) {
        EXPECT_EQ(jeu.Label_score(s)->Caption(), "0");
        EXPECT_EQ(jeu.Label_faux(s)->Caption(), "X");
    }
    EXPECT_EQ(jeu.Label_aide1[0]->Caption(), "F1");
    EXPECT_EQ(jeu.Label_aide1[3]->Caption(), "F4");
    EXPECT_EQ(jeu.Label_aide3[0]->Caption(), "1");
    EXPECT_EQ(jeu.Label_aide3[3]->Caption(), "4");
    for (platform::Timer *t : {jeu.Timer_nouvelle_question, jeu.Timer_tempello}) {
        EXPECT_FALSE(t->Enabled());
        EXPECT_EQ(t->Interval(), 1000);
    }
    // Every case of both tables is there, shown and empty.
    int cases = 0;
    for (auto *l : jeu.findChildren<platform::Label *>()) {
        if (!l->objectName().startsWith("Label_vainqueur_"))
            continue;
        ++cases;
        EXPECT_FALSE(l->isHidden()) << qPrintable(l->objectName());
        EXPECT_EQ(l->Caption(), "");
        const QString code = l->objectName().mid(16);
        ASSERT_NE(jeu.Photo_vainqueur_(code), nullptr) << qPrintable(code);
        EXPECT_EQ(jeu.Photo_vainqueur_(code)->CheminImage(), "");
    }
    EXPECT_EQ(cases, 42);
    EXPECT_EQ(jeu.findChildren<platform::AnimatedPicture *>().size(), 45);
}

TEST_F(FormJeu, LoadLaysOutTheSlotsByCount)
{
    for (const Chargement &c : kChargements) {
        SCOPED_TRACE(c.count);
        Form_jeu &jeu = charger(c.count);
        EXPECT_EQ(jeu.Label_score1->Caption(), c.score1Absent ? "-1000" : "0");
        EXPECT_EQ(jeu.Label_score2->Caption(), "0");
        EXPECT_EQ(jeu.Label_score3->Caption(), c.score3Absent ? "-1000" : "0");
        for (QWidget *w :
             {static_cast<QWidget *>(jeu.Image1), static_cast<QWidget *>(jeu.Label_nom_joueur1),
              static_cast<QWidget *>(jeu.Label_score1)})
            EXPECT_EQ(!w->isHidden(), c.slot1Montre) << qPrintable(w->objectName());
        for (QWidget *w :
             {static_cast<QWidget *>(jeu.Image3), static_cast<QWidget *>(jeu.Label_nom_joueur3),
              static_cast<QWidget *>(jeu.Label_score3)})
            EXPECT_EQ(!w->isHidden(), c.slot3Montre) << qPrintable(w->objectName());
        for (int a = 0; a < 4; ++a) {
            EXPECT_EQ(!jeu.Label_aide1[a]->isHidden(), c.slot1Montre);
            EXPECT_EQ(!jeu.Label_aide3[a]->isHidden(), c.slot3Montre);
            EXPECT_FALSE(jeu.Label_aide2[a]->isHidden());
            EXPECT_EQ(jeu.Label_aide2[a]->Caption(), c.aide2[a]);
        }
        EXPECT_FALSE(jeu.Label_nom_joueur2->isHidden());
        EXPECT_FALSE(jeu.Image2->isHidden());
        platform::Screens::unload<Form_jeu>();
    }
}

TEST_F(FormJeu, LoadTakesTheBackgroundOfTheCount)
{
    const QImage design = charger("aucun").Picture().toImage();
    ASSERT_FALSE(design.isNull());
    platform::Screens::unload<Form_jeu>();
    for (const Chargement &c : kChargements) {
        SCOPED_TRACE(c.count);
        const QImage shown = charger(c.count).Picture().toImage();
        const std::optional<QImage> expected = fond(c.fond);
        // The game carries the background of every count it knows, so each row is checked.
        if (*c.fond) {
            ASSERT_TRUE(expected.has_value());
        }
        // A background the game does not carry leaves the design picture.
        EXPECT_EQ(shown, expected ? *expected : design);
        platform::Screens::unload<Form_jeu>();
    }
}

TEST_F(FormJeu, ScoreGamesShowTheBestScoresAndEveryGameFillsTheList)
{
    for (bool jeuScore : {false, true}) {
        SCOPED_TRACE(jeuScore);
        Form_jeu &jeu = charger("1", jeuScore);
        EXPECT_EQ(!jeu.Image_score->isHidden(), jeuScore);
        EXPECT_EQ(!jeu.Picture_vainqueurs1->isHidden(), jeuScore);
        EXPECT_EQ(jeu.lstScores->ListCount(), 15);
        platform::Screens::unload<Form_jeu>();
    }
}

TEST_F(FormJeu, NothingRunsWhileNothingMoves)
{
    Form_jeu &jeu = charger("27");
    jeu.Show();
    for (QTimer *t : jeu.findChildren<QTimer *>())
        EXPECT_FALSE(t->isActive()) << qPrintable(t->objectName());
    for (QMovie *m : jeu.findChildren<QMovie *>())
        EXPECT_NE(m->state(), QMovie::Running);
}
