// Whole championships played with random winners, from "Suite" to the final, through the
// match loading, the winner recording and the announcement.
#include "championshiptest.h"

#include "game/championship/championnat.h"

#include "platform/screens.h"

#include <QSet>
#include <map>
#include <random>

namespace {

struct Taille {
    const char *count;
    int participants;
    int joueursParManche;
    int manches;
    const char *finale;
    QStringList nourrissentLaFinale; // the matches whose winners play the final, slot order
};

const Taille kTailles[] = {
    {"2", 2, 2, 1, "2_1", {}},
    {"4", 4, 2, 3, "2_1", {"2_3", "2_2"}},
    {"8", 8, 2, 7, "2_1", {"2_3", "2_2"}},
    {"16", 16, 2, 15, "2_1", {"2_3", "2_2"}},
    {"32", 32, 2, 31, "2_1", {"2_3", "2_2"}},
    {"3", 3, 3, 1, "3A", {}},
    {"9", 9, 3, 4, "3A", {"3D", "3C", "3B"}},
    {"27", 27, 3, 13, "3A", {"3D", "3C", "3B"}},
};

class Simulation : public ChampionshipTest {};

} // namespace

TEST_F(Simulation, EverySizePlaysDownToItsFinal)
{
    void (*const vainqueurs[3])() = {Vainqueur_joueur1, Vainqueur_joueur2, Vainqueur_joueur3};
    for (unsigned seed : {1u, 7u, 2024u}) {
        std::mt19937 hasard(seed);
        for (const Taille &t : kTailles) {
            SCOPED_TRACE(QString("%1 participants, seed %2").arg(t.count).arg(seed).toStdString());
            participants(t.count);
            form_photos().Image_suivant_Click();
            Form_jeu &jeu = form_jeu();

            std::map<QString, int> participantDe; // name -> participant number
            for (int p = 1; p <= t.participants; ++p)
                participantDe[nomParticipant(p)] = p;
            QSet<int> eliminated;
            std::map<int, int> victoires;
            std::map<int, int> ouvertures;    // matches played before any win
            std::map<QString, int> gagnantDe; // match code -> participant who won it
            QSet<QString> codesJoues;
            int manches = 0;
            bool fini = false;
            while (!fini) {
                ASSERT_LT(manches, 64) << "the championship never ends";
                const QString code = jeu.Label_manche->Caption();
                ASSERT_FALSE(codesJoues.contains(code)) << qPrintable(code);
                codesJoues.insert(code);
                QList<int> joueurs;
                for (int slot = 1; slot <= t.joueursParManche; ++slot) {
                    const QString nom = jeu.Label_nom_joueur(slot)->Caption();
                    // An empty or unknown name is a case read before it was written.
                    ASSERT_TRUE(participantDe.count(nom)) << qPrintable(code + " slot " + nom);
                    const int p = participantDe[nom];
                    EXPECT_EQ(jeu.Image(slot)->CheminImage(), cheminParticipant(p));
                    EXPECT_FALSE(eliminated.contains(p)) << qPrintable(code);
                    joueurs << p;
                }
                // Players of one match have won the same number of matches before it.
                for (int p : joueurs)
                    EXPECT_EQ(victoires[p], victoires[joueurs[0]]) << qPrintable(code);
                if (victoires[joueurs[0]] == 0) {
                    for (int p : joueurs)
                        ++ouvertures[p];
                }
                if (code == QLatin1String(t.finale) && !t.nourrissentLaFinale.isEmpty()) {
                    QList<int> attendus;
                    for (const QString &c : t.nourrissentLaFinale)
                        attendus << gagnantDe.at(c);
                    EXPECT_EQ(joueurs, attendus);
                }

                const int slot = int(hasard() % t.joueursParManche) + 1;
                const int gagnant = joueurs[slot - 1];
                for (int p : joueurs) {
                    if (p != gagnant)
                        eliminated.insert(p);
                }
                ++victoires[gagnant];
                gagnantDe[code] = gagnant;
                vainqueurs[slot - 1]();
                Annoncer_vainqueur();
                ++manches;
                EXPECT_EQ(jeu.Label_nom_vainqueur->Caption(), nomParticipant(gagnant));
                if (jeu.Debut->isHidden()) {
                    EXPECT_FALSE(jeu.Label_manche_suivante->isHidden());
                    // What the next-match button does for the players and the buttons.
                    Preparer_manche();
                    jeu.Label_manche_suivante->setVisible(false);
                    jeu.Shape_manche_suivante->setVisible(false);
                    jeu.Debut->setVisible(true);
                    jeu.Shape3->setVisible(true);
                } else {
                    EXPECT_TRUE(jeu.Label_manche_suivante->isHidden());
                    EXPECT_EQ(jeu.Label_manche->Caption(), t.finale);
                    fini = true;
                }
            }
            EXPECT_EQ(manches, t.manches);
            EXPECT_EQ(int(eliminated.size()), t.participants - 1);
            for (int p = 1; p <= t.participants; ++p)
                EXPECT_EQ(ouvertures[p], 1) << "participant " << p;
            platform::Screens::unload<Form_jeu>();
        }
    }
}
