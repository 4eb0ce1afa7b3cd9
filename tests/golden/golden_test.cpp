// Golden pictures of the game: each screen in its main states, rendered headless at its real
// size and compared with a reference picture kept beside this file (support/golden.h).
#include "game/avatars/form_photos.h"
#include "game/match/fin_manche.h"
#include "game/match/form_jeu.h"
#include "game/screens.h"
#include "game/services/form_admin.h"
#include "game/services/form_score.h"
#include "game/services/highscorelist.h"
#include "game/setup/form_accueil.h"
#include "game/setup/form_nombre_joueurs.h"
#include "platform/audioplayer.h"
#include "platform/codec1252.h"
#include "platform/screens.h"

#include "fakes/recordingsound.h"
#include "game/setup/ecranstest.h"
#include "support/golden.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>

#include <functional>

namespace {
class Golden : public EcransTest {
protected:
    void SetUp() override
    {
        EcransTest::SetUp();
        // The screens ask for Arial; Liberation Sans has its metrics and is installed.
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        registerGameScreens();
        platform::recordSoundEffects();
        platform::recordAudio();
        writeThemes(1);
        writeReglages("\"question\",\"30\",\"90\",\"Ding\",\"Buzzer\",\"oui\",\"non\",\"non\","
                      "\"0\",\"1\",\"non\"");
        ecrireAvatars();
        ecrireScores();
    }
    void TearDown() override
    {
        EcransTest::TearDown();
        platform::setSoundEngineFactory({});
        platform::setAudioPlayer(nullptr);
    }

    // Names of every length and the game's own avatars, the second name longer than its box.
    void ecrireAvatars()
    {
        const QStringList images =
            QDir(QStringLiteral(TEMPEL_DELIVERED_DIR "/avatars"))
                .entryList({QStringLiteral("*.gif")}, QDir::Files, QDir::Name);
        QString ligne;
        for (int p = 1; p <= 32; ++p) {
            const QString nom = p == 2 ? QStringLiteral("Marie-Antoinette de Lorraine")
                                       : QStringLiteral("Élève %1").arg(p);
            const QString image = images.isEmpty()
                                      ? QString()
                                      : QStringLiteral(TEMPEL_DELIVERED_DIR "/avatars/") +
                                            images.at((p - 1) % images.size());
            ligne += QStringLiteral("%1\"%2\",\"%3\"").arg(p > 1 ? "," : "", nom, image);
        }
        writeFile("avatars.tpq", *platform::encode1252(ligne + "\r\n"));
    }

    void ecrireScores()
    {
        const QStringList noms = {
            "Amandine", "Bob",  "Wolfgang Amadeus", "Zoé", "Maximilien", "Li",  "Ondine",
            "Hector",   "Iris", "Jean-Baptiste",    "Kim", "Léon",       "Mia", "Noé",
            "Oscar"};
        QString texte;
        for (int i = 0; i < noms.size(); ++i)
            texte +=
                highscores::scrambleLine(
                    QStringLiteral("%1\t%2").arg(noms.at(i)).arg(i == 14 ? -100 : 1500 - i * 97)) +
                "\r\n";
        writeFile("Scoresquestion.tpq", *platform::encode1252(texte));
    }

    static void laisserPasser()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    static QWidget *accueil()
    {
        form_accueil().Show();
        return &form_accueil();
    }
    static QWidget *choix(const char *entree)
    {
        form_accueil();
        Form_nombre_joueurs &ecran = form_nombre_joueurs();
        ecran.Show();
        if (entree)
            ecran.findChild<platform::Label *>(QString::fromLatin1(entree))->Click();
        return &ecran;
    }
    static QWidget *avatars(const char *entree)
    {
        choix(entree);
        return &form_photos();
    }
    static QWidget *jeu(const char *entree)
    {
        choix(entree);
        form_photos().Image_suivant_Click();
        return &form_jeu();
    }
    // The first match of a championship won by slot 1: the winner and the next-match button.
    static QWidget *vainqueur(const char *entree)
    {
        QWidget *ecran = jeu(entree);
        form_jeu().Debut_Click();
        form_jeu().Label_score1->setCaption(QStringLiteral("1"));
        Fin_manche(form_jeu());
        return ecran;
    }
    static QWidget *scores()
    {
        choix(nullptr);
        form_admin().Label_type_de_jeu->setCaption(QStringLiteral("question"));
        form_score().Show();
        return &form_score();
    }
};

struct Etat {
    const char *nom;
    std::function<QWidget *()> preparer;
};
} // namespace

TEST_F(Golden, EveryScreenInItsMainStatesLooksAsItsReference)
{
    const Etat etats[] = {
        {"accueil", [] { return accueil(); }},
        {"choix", [] { return choix(nullptr); }},
        {"choix-1", [] { return choix("Label_1_joueur"); }},
        {"choix-2", [] { return choix("Label_2_joueurs"); }},
        {"choix-3", [] { return choix("Label_3_joueurs"); }},
        {"choix-4", [] { return choix("Label_4_joueurs"); }},
        {"choix-8", [] { return choix("Label_8_joueurs"); }},
        {"choix-9", [] { return choix("Label_9_joueurs"); }},
        {"choix-16", [] { return choix("Label_16_joueurs"); }},
        {"choix-27", [] { return choix("Label_27_joueurs"); }},
        {"choix-32", [] { return choix("Label_32_joueurs"); }},
        {"choix-questions", [] { return choix("Label_questions"); }},
        {"choix-minutes", [] { return choix("Label_minutes"); }},
        {"avatars-1", [] { return avatars("Label_1_joueur"); }},
        {"avatars-4", [] { return avatars("Label_4_joueurs"); }},
        {"avatars-9", [] { return avatars("Label_9_joueurs"); }},
        {"avatars-32", [] { return avatars("Label_32_joueurs"); }},
        {"jeu-1", [] { return jeu("Label_1_joueur"); }},
        {"jeu-2", [] { return jeu("Label_2_joueurs"); }},
        {"jeu-4", [] { return jeu("Label_4_joueurs"); }},
        {"jeu-9", [] { return jeu("Label_9_joueurs"); }},
        {"jeu-27", [] { return jeu("Label_27_joueurs"); }},
        {"jeu-32", [] { return jeu("Label_32_joueurs"); }},
        {"vainqueur-4", [] { return vainqueur("Label_4_joueurs"); }},
        {"scores", [] { return scores(); }},
    };
    for (const Etat &etat : etats) {
        SCOPED_TRACE(etat.nom);
        QWidget *ecran = etat.preparer();
        ASSERT_NE(ecran, nullptr);
        laisserPasser();
        verifierImage(QString::fromLatin1(etat.nom), ecran);
        platform::Screens::unloadAll();
    }
}
