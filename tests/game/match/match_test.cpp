// Whole games played by the clock and the keyboard: a four-player championship from "Debut"
// to the champion, and a one-player "Score - 20 questions" game into the best-score table.
#include "partietest.h"

#include "game/services/highscorelist.h"
#include "platform/controls.h"

namespace {
class Match : public PartieTest {
protected:
    // Plays the match in play to its winner: `gagnant`'s key answers right at each question
    // after `secondes` seconds, the other player's wrong first.
    void jouer(int gagnant, int secondes = 0)
    {
        Form_jeu &j = jeu();
        j.Debut_Click();
        for (int q = 0; q < 50 && !j.Label_vainqueur->Visible(); ++q) {
            compteARebours();
            for (int s = 0; s < secondes; ++s)
                seconde();
            if (gagnant == 1) {
                touche(Qt::Key_3, Qt::KeypadModifier);
                touche(Qt::Key_F1);
            } else {
                touche(Qt::Key_F3);
                touche(Qt::Key_1, Qt::KeypadModifier);
            }
        }
        ASSERT_TRUE(j.Label_vainqueur->Visible());
    }
};
} // namespace

TEST_F(Match, AFourPlayerChampionshipPlaysDownToItsChampion)
{
    Form_jeu &j = ouvrir("4");
    regler({.questions = "3", .perdus = "1", .gagnes = "2"});
    questions({question("Combien de temps dure une blanche ?", {"2", "1", "4", "3"}, "1")});
    EXPECT_EQ(j.Label_manche->Caption(), "2_3");

    jouer(1); // slot 1 wins "2_3"
    const QString premier = j.Label_nom_joueur1->Caption();
    EXPECT_EQ(j.Label_nom_vainqueur->Caption(), premier);
    EXPECT_EQ(j.Label_vainqueur_("2_3")->Caption(), premier);
    EXPECT_EQ(j.Label_manche->Caption(), "2_2");
    ASSERT_TRUE(j.Label_manche_suivante->Visible());
    j.Label_manche_suivante_Click();
    EXPECT_TRUE(j.Picture_vainqueurs2->Visible());
    EXPECT_EQ(j.Label_score1->Caption(), "0");

    jouer(2); // slot 2 wins "2_2"
    const QString second = j.Label_nom_joueur2->Caption();
    EXPECT_EQ(j.Label_vainqueur_("2_2")->Caption(), second);
    j.Label_manche_suivante_Click();
    EXPECT_EQ(j.Label_manche->Caption(), "2_1");
    // The final brings the two winners together.
    EXPECT_EQ(QSet<QString>({j.Label_nom_joueur1->Caption(), j.Label_nom_joueur2->Caption()}),
              QSet<QString>({premier, second}));

    jouer(2, 3);
    EXPECT_EQ(j.Label_nom_vainqueur->Caption(), j.Label_nom_joueur2->Caption());
    EXPECT_EQ(j.Label_score2->Caption(), "6");
    EXPECT_EQ(j.Label_score1->Caption(), "-3");
    EXPECT_EQ(j.Label_manche->Caption(), "2_1");
    EXPECT_TRUE(j.Debut->Visible());
    EXPECT_FALSE(j.Label_manche_suivante->Visible());
    EXPECT_FALSE(j.Timer_tempello->Enabled() || j.Timer_nouvelle_question->Enabled());
}

TEST_F(Match, AScoreGameOfTwentyQuestionsEntersTheBestScores)
{
    Form_jeu &j = ouvrir("1", true);
    // The score game's own settings: 20 questions, the seconds left won, 10 lost.
    regler({.questions = "20", .perdus = "10", .gagnes = "temps"});
    questions({question("Quelle clé ?", {"Sol", "Fa", "Ut"}, "3")});
    j.Debut_Click();
    for (int q = 1; q <= 20; ++q) {
        compteARebours();
        EXPECT_EQ(j.Numero_question->Caption(), QString::number(q));
        seconde();
        seconde();
        if (q == 20)
            touche(Qt::Key_1, Qt::KeypadModifier); // the last one wrong: -10
        else
            touche(Qt::Key_3, Qt::KeypadModifier); // 28 seconds left
    }
    EXPECT_EQ(j.Label_score2->Caption(), QString::number(19 * 28 - 10));
    EXPECT_TRUE(j.Picture_vainqueurs1->Visible());
    EXPECT_EQ(j.txtScore->Text(), "522");
    ASSERT_GT(j.lstScores->ListCount(), 0);
    EXPECT_TRUE(j.lstScores->List(0).contains("Joueur 1"));
    EXPECT_TRUE(j.lstScores->List(0).endsWith("522"));
    EXPECT_TRUE(exists("Scoresquestion.tpq"));
    EXPECT_FALSE(j.Label_vainqueur->Visible()); // no "Score" in a score game
}
