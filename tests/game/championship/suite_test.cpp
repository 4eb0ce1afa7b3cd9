// "Suite" of the avatar screen for each of the nine participant counts, typed in as data.
#include "championshiptest.h"

#include "platform/messagebox.h"
#include "platform/screens.h"

#include <QDir>

namespace {

struct Suite {
    const char *count;
    const char *code;
    const char *type;
    int tableau;          // 0 none, 2 duels, 3 threes
    QStringList feuilles; // cases given participants 1, 2, ... in this order
    QStringList cachees;  // cases hidden
    bool cache4a;
    bool cache4b;
    bool pointeur;       // the answer labels' own pointer
    QStringList joueurs; // slots 1, 2, 3 of the first match: participant numbers
};

QStringList duels(int from, int to)
{
    QStringList codes;
    for (int k = from; from >= to ? k >= to : k <= to; from >= to ? --k : ++k)
        codes << QStringLiteral("2_%1").arg(k);
    return codes;
}

const Suite kSuites[] = {
    {"1", "score", "1", 0, {}, {}, false, false, true, {"", "1", ""}},
    {"27", "3M", "3", 3, {}, {}, false, false, false, {"1", "2", "3"}},
    {"9",
     "3D",
     "3",
     3,
     {"3M", "3L", "3K", "3J", "3I", "3H", "3G", "3F", "3E"},
     {},
     false,
     false,
     false,
     {"1", "2", "3"}},
    {"3", "3A", "3", 0, {}, {}, false, false, false, {"1", "2", "3"}},
    {"2", "2_1", "2", 0, {}, {}, false, false, false, {"1", "2", ""}},
    {"4",
     "2_3",
     "2",
     2,
     {"2_7", "2_6", "2_5", "2_4"},
     duels(8, 31),
     true,
     true,
     false,
     {"1", "2", ""}},
    {"8", "2_7", "2", 2, duels(15, 8), duels(16, 31), true, false, false, {"1", "2", ""}},
    {"16", "2_15", "2", 2, duels(31, 16), {}, false, false, false, {"1", "2", ""}},
    {"32", "2_31", "2", 2, {}, {}, false, false, false, {"1", "2", ""}},
};

QStringList tousLesCodes()
{
    QStringList codes = duels(2, 31);
    for (char c = 'B'; c <= 'M'; ++c)
        codes << QStringLiteral("3") + QChar(c);
    return codes;
}

class SuiteTest : public ChampionshipTest {};

} // namespace

TEST_F(SuiteTest, PreparesTheGameScreenForEachCount)
{
    for (const Suite &s : kSuites) {
        SCOPED_TRACE(s.count);
        participants(s.count);
        form_photos().Show();
        form_photos().Image_suivant_Click();
        Form_jeu &jeu = form_jeu();

        EXPECT_EQ(jeu.Label_manche->Caption(), s.code);
        EXPECT_EQ(jeu.Label_nombre_joueurs->Caption(), s.count);
        EXPECT_EQ(jeu.Label_type_jeu->Caption(), s.type);
        EXPECT_EQ(!jeu.Picture_vainqueurs2->isHidden(), s.tableau == 2);
        EXPECT_EQ(!jeu.Picture_vainqueurs3->isHidden(), s.tableau == 3);
        EXPECT_EQ(!jeu.Shape2->isHidden(), s.tableau != 0);
        EXPECT_EQ(jeu.Image_championnat4a->isHidden(), s.cache4a);
        EXPECT_EQ(jeu.Image_championnat4b->isHidden(), s.cache4b);
        for (platform::Label *reponse : jeu.Label_reponse)
            EXPECT_EQ(reponse->MousePointer(),
                      s.pointeur ? platform::vbCustom : platform::vbDefault);

        for (const QString &code : tousLesCodes()) {
            const int feuille = s.feuilles.indexOf(code);
            EXPECT_EQ(jeu.Label_vainqueur_(code)->Caption(),
                      feuille >= 0 ? nomParticipant(feuille + 1) : QString())
                << qPrintable(code);
            EXPECT_EQ(jeu.Label_vainqueur_(code)->isHidden(), s.cachees.contains(code))
                << qPrintable(code);
            // Only names go into the table; the avatars stay as they were.
            EXPECT_EQ(jeu.Photo_vainqueur_(code)->CheminImage(), "") << qPrintable(code);
        }
        for (int slot = 1; slot <= 3; ++slot) {
            const QString p = s.joueurs[slot - 1];
            EXPECT_EQ(jeu.Label_nom_joueur(slot)->Caption(),
                      p.isEmpty() ? QString() : nomParticipant(p.toInt()))
                << slot;
            EXPECT_EQ(jeu.Image(slot)->CheminImage(),
                      p.isEmpty() ? QString() : cheminParticipant(p.toInt()))
                << slot;
        }
        EXPECT_TRUE(jeu.isVisible());
        // The avatar screen is still open beneath.
        EXPECT_FALSE(form_photos().isHidden());
        EXPECT_TRUE(exists("avatars.tpq"));
        EXPECT_TRUE(messages.isEmpty());

        // The game choice closes the game screen before every new game.
        platform::Screens::unload<Form_jeu>();
        QFile::remove(path("avatars.tpq"));
    }
}

TEST_F(SuiteTest, AnUnknownCountSetsNothingButStillSavesAndShows)
{
    for (const QString count : {" 4", "04", "5", ""}) {
        SCOPED_TRACE(qPrintable(count));
        participants(count);
        form_photos().Image_suivant_Click();
        Form_jeu &jeu = form_jeu();
        EXPECT_EQ(jeu.Label_manche->Caption(), "");
        EXPECT_EQ(jeu.Label_nombre_joueurs->Caption(), "");
        EXPECT_EQ(jeu.Label_type_jeu->Caption(), "");
        EXPECT_TRUE(jeu.Picture_vainqueurs2->isHidden());
        EXPECT_TRUE(jeu.Shape2->isHidden());
        for (int slot = 1; slot <= 3; ++slot)
            EXPECT_EQ(jeu.Label_nom_joueur(slot)->Caption(), "");
        EXPECT_TRUE(jeu.isVisible());
        EXPECT_TRUE(exists("avatars.tpq"));
        platform::Screens::unload<Form_jeu>();
        QFile::remove(path("avatars.tpq"));
    }
}

TEST_F(SuiteTest, AFailedSaveIsToldAndTheMatchStartsAllTheSame)
{
    participants("4");
    // A folder where the file should be: it cannot be written.
    ASSERT_TRUE(QDir(m_folder.path()).mkdir("avatars.tpq"));
    form_photos().Image_suivant_Click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Erreur: ")) << qPrintable(messages[0]);
    Form_jeu &jeu = form_jeu();
    EXPECT_TRUE(jeu.isVisible());
    EXPECT_EQ(jeu.Label_manche->Caption(), "2_3");
    EXPECT_EQ(jeu.Label_nom_joueur1->Caption(), nomParticipant(1));
    EXPECT_EQ(jeu.Label_nom_joueur2->Caption(), nomParticipant(2));
}

TEST_F(SuiteTest, OpeningCasesKeepTheNamesTypedAtTheClick)
{
    participants("8");
    form_photos().Text(3)->setText("");
    form_photos().Image_suivant_Click();
    form_photos().Text(1)->setText("Changé après");
    EXPECT_EQ(form_jeu().Label_vainqueur_("2_15")->Caption(), nomParticipant(1));
    EXPECT_EQ(form_jeu().Label_vainqueur_("2_13")->Caption(), "");
}

TEST_F(SuiteTest, AGameScreenClosedWhileTheSaveErrorIsShownIsNotBroughtBack)
{
    participants("4");
    ASSERT_TRUE(QDir(m_folder.path()).mkdir("avatars.tpq"));
    // The message box lets pending events run; one of them closes the game screen.
    platform::setMsgBoxAnswerer([](const QString &, int, const QString &) {
        platform::Screens::unload<Form_jeu>();
        return int(platform::vbOK);
    });
    form_photos().Image_suivant_Click();
    EXPECT_EQ(platform::Screens::ifLoaded<Form_jeu>(), nullptr);
}
