// Recording a match's winner in the knock-out table, and announcing it with the step of the
// match code and the buttons offered afterwards.
#include "championshiptest.h"

#include "game/championship/championnat.h"

namespace {

QStringList tousLesCodes()
{
    QStringList codes{"score", "2_01", "2_32", "3N", "3a", ""};
    for (int k = 1; k <= 31; ++k)
        codes << QStringLiteral("2_%1").arg(k);
    for (char c = 'A'; c <= 'M'; ++c)
        codes << QStringLiteral("3") + QChar(c);
    return codes;
}

QStringList duels(int from, int to)
{
    QStringList codes;
    for (int k = from; k >= to; --k)
        codes << QStringLiteral("2_%1").arg(k);
    return codes;
}

QStringList trois(char from, char to)
{
    QStringList codes;
    for (char c = from; c >= to; --c)
        codes << QStringLiteral("3") + QChar(c);
    return codes;
}

// The codes whose case is written, per participant count.
struct CasesEcrites {
    const char *count;
    QStringList codes;
};

class Vainqueur : public ChampionshipTest {
protected:
    void SetUp() override
    {
        ChampionshipTest::SetUp();
        participants("4");
        for (int s = 1; s <= 3; ++s) {
            form_jeu().Label_nom_joueur(s)->setCaption(QStringLiteral("Joueur du slot %1").arg(s));
            form_jeu().Image(s)->setCheminImage(QStringLiteral("/slot%1.gif").arg(s));
        }
    }
    void viderCases()
    {
        for (const QString &code : tousLesCodes()) {
            if (platform::Label *l = form_jeu().Label_vainqueur_(code)) {
                l->setCaption("vide");
                form_jeu().Photo_vainqueur_(code)->setCheminImage("vide");
            }
        }
    }
    // The codes of cases that no longer read "vide".
    QStringList casesChangees()
    {
        QStringList changed;
        for (const QString &code : tousLesCodes()) {
            if (platform::Label *l = form_jeu().Label_vainqueur_(code)) {
                if (l->Caption() != "vide" ||
                    form_jeu().Photo_vainqueur_(code)->CheminImage() != "vide")
                    changed << code;
            }
        }
        return changed;
    }
};

} // namespace

TEST_F(Vainqueur, WritesTheCaseOfEveryMatchButTheFinalPerCount)
{
    const CasesEcrites table[] = {
        {"4", duels(3, 2)},
        {"8", duels(7, 2)},
        {"16", duels(15, 2)},
        {"32", duels(31, 2)},
        {"9", trois('D', 'B')},
        {"27", trois('M', 'B')},
        {"2", {}},
        {"3", {}},
        {"1", {}},
        {"5", {}},
        {" 4", {}},
    };
    void (*const vainqueurs[3])() = {Vainqueur_joueur1, Vainqueur_joueur2, Vainqueur_joueur3};
    for (const CasesEcrites &ligne : table) {
        form_jeu().Label_nombre_joueurs->setCaption(ligne.count);
        for (const QString &code : tousLesCodes()) {
            for (int s = 1; s <= 3; ++s) {
                const QString contexte = QString("%1 / %2 / slot %3").arg(ligne.count, code).arg(s);
                viderCases();
                form_jeu().Label_nom_vainqueur->setCaption("personne");
                form_jeu().Label_manche->setCaption(code);
                vainqueurs[s - 1]();
                // The winner's name is shown for every match, whatever the count and code.
                EXPECT_EQ(form_jeu().Label_nom_vainqueur->Caption(),
                          QStringLiteral("Joueur du slot %1").arg(s))
                    << qPrintable(contexte);
                const QStringList changed = casesChangees();
                if (ligne.codes.contains(code)) {
                    ASSERT_EQ(changed, QStringList{code}) << qPrintable(contexte);
                    EXPECT_EQ(form_jeu().Label_vainqueur_(code)->Caption(),
                              QStringLiteral("Joueur du slot %1").arg(s));
                    EXPECT_EQ(form_jeu().Photo_vainqueur_(code)->CheminImage(),
                              QStringLiteral("/slot%1.gif").arg(s));
                } else {
                    EXPECT_TRUE(changed.isEmpty()) << qPrintable(contexte);
                }
                EXPECT_EQ(form_jeu().Label_manche->Caption(), code);
            }
        }
    }
}

TEST_F(Vainqueur, LeavesVisibilityCodeAndSlotsAlone)
{
    form_jeu().Label_nombre_joueurs->setCaption("8");
    form_jeu().Label_manche->setCaption("2_5");
    form_jeu().Label_vainqueur_("2_5")->setVisible(false);
    Vainqueur_joueur2();
    EXPECT_FALSE(form_jeu().Label_vainqueur_("2_5")->Visible());
    EXPECT_FALSE(form_jeu().Label_nom_vainqueur->Visible());
    EXPECT_EQ(form_jeu().Label_manche->Caption(), "2_5");
    EXPECT_EQ(form_jeu().Label_nom_joueur2->Caption(), "Joueur du slot 2");
    EXPECT_EQ(form_jeu().Image2->CheminImage(), "/slot2.gif");
}

namespace {

// The code after the announcement, and the buttons it leaves shown.
struct Pas {
    const char *avant;
    const char *apres;
    bool suivante; // next-match button shown, stop hidden
    bool debut;    // start button shown again
};

const Pas kPas[] = {
    {"2_31", "2_30", true, false},  {"2_30", "2_29", true, false},
    {"2_16", "2_15", true, false},  {"2_11", "2_10", true, false},
    {"2_10", "2_9", true, false},   {"2_9", "2_8", true, false},
    {"2_4", "2_3", true, false},    {"2_3", "2_2", true, false},
    {"2_2", "2_1", true, false},    {"2_1", "2_1", false, true},
    {"3M", "3L", true, false},      {"3L", "3K", true, false},
    {"3E", "3D", true, false},      {"3D", "3C", true, false},
    {"3C", "3B", true, false},      {"3B", "3A", true, false},
    {"3A", "3A", false, true},      {"score", "score", false, false},
    {"2_01", "2_01", false, false}, {"2_32", "2_32", false, false},
    {"2_0", "2_0", false, false},   {"3a", "3a", false, false},
    {"3N", "3N", false, false},     {"", "", false, false},
};

class Annonce : public ChampionshipTest {
protected:
    void SetUp() override
    {
        ChampionshipTest::SetUp();
        participants("4");
    }
    // The board as a match leaves it: marks, timers, countdown, question, buttons.
    void finDeManche(const QString &code)
    {
        Form_jeu &jeu = form_jeu();
        for (int s = 1; s <= 3; ++s)
            jeu.Label_faux(s)->setVisible(true);
        jeu.Timer_nouvelle_question->setEnabled(true);
        jeu.Timer_tempello->setEnabled(true);
        jeu.Label_timer_nouvelle_question->setVisible(true);
        jeu.Picture_jeu->setVisible(true);
        jeu.Label_vainqueur->setCaption("Score");
        jeu.Label_vainqueur->setVisible(false);
        jeu.Label_nom_vainqueur->setVisible(false);
        jeu.Debut->setVisible(true);
        jeu.Shape3->setVisible(true);
        jeu.Label_stop_jeu->setVisible(true);
        jeu.Shape4->setVisible(true);
        jeu.Label_manche_suivante->setVisible(false);
        jeu.Shape_manche_suivante->setVisible(false);
        jeu.Label_manche->setCaption(code);
    }
};

} // namespace

TEST_F(Annonce, StepsTheCodeAndOffersTheRightButton)
{
    Form_jeu &jeu = form_jeu();
    for (const Pas &pas : kPas) {
        const QString contexte = QString::fromLatin1(pas.avant);
        finDeManche(pas.avant);
        Annoncer_vainqueur();
        EXPECT_EQ(jeu.Label_manche->Caption(), pas.apres) << qPrintable(contexte);
        for (int s = 1; s <= 3; ++s)
            EXPECT_FALSE(jeu.Label_faux(s)->Visible()) << qPrintable(contexte);
        EXPECT_FALSE(jeu.Timer_nouvelle_question->Enabled()) << qPrintable(contexte);
        EXPECT_FALSE(jeu.Timer_tempello->Enabled()) << qPrintable(contexte);
        EXPECT_FALSE(jeu.Label_timer_nouvelle_question->Visible()) << qPrintable(contexte);
        EXPECT_FALSE(jeu.Picture_jeu->Visible()) << qPrintable(contexte);
        EXPECT_TRUE(jeu.Label_vainqueur->Visible()) << qPrintable(contexte);
        EXPECT_EQ(jeu.Label_vainqueur->Caption(), "Le vainqueur est") << qPrintable(contexte);
        EXPECT_TRUE(jeu.Label_nom_vainqueur->Visible()) << qPrintable(contexte);

        EXPECT_EQ(jeu.Debut->Visible(), pas.debut) << qPrintable(contexte);
        EXPECT_EQ(jeu.Shape3->Visible(), pas.debut) << qPrintable(contexte);
        EXPECT_EQ(jeu.Label_manche_suivante->Visible(), pas.suivante) << qPrintable(contexte);
        EXPECT_EQ(jeu.Shape_manche_suivante->Visible(), pas.suivante) << qPrintable(contexte);
        // After a final, or a code that never steps, the stop button keeps what it had.
        EXPECT_EQ(jeu.Label_stop_jeu->Visible(), !pas.suivante) << qPrintable(contexte);
        EXPECT_EQ(jeu.Shape4->Visible(), !pas.suivante) << qPrintable(contexte);
    }
}

TEST_F(Annonce, AFinalLeavesAHiddenStopButtonHidden)
{
    finDeManche("2_1");
    form_jeu().Label_stop_jeu->setVisible(false);
    form_jeu().Shape4->setVisible(false);
    Annoncer_vainqueur();
    EXPECT_FALSE(form_jeu().Label_stop_jeu->Visible());
    EXPECT_FALSE(form_jeu().Shape4->Visible());
    EXPECT_TRUE(form_jeu().Debut->Visible());
}
