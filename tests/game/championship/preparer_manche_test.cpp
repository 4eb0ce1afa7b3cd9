// Loading a match's players: every row of the match-loading tables, typed in as data.
#include "championshiptest.h"

#include "game/championship/championnat.h"

namespace {

// "P7" is participant 7, "2_5" or "3G" the case of that code, "-" a code outside the tree.
struct Ligne {
    const char *code;
    const char *par[4];
};

const Ligne kDuels[] = {
    {"2_1", {"2_3/2_2", "2_3/2_2", "2_3/2_2", "2_3/2_2"}},
    {"2_2", {"P3/P4", "2_5/2_4", "2_5/2_4", "2_5/2_4"}},
    {"2_3", {"P1/P2", "2_7/2_6", "2_7/2_6", "2_7/2_6"}},
    {"2_4", {"-", "P7/P8", "2_9/2_8", "2_9/2_8"}},
    {"2_5", {"-", "P5/P6", "2_11/2_10", "2_11/2_10"}},
    {"2_6", {"-", "P3/P4", "2_13/2_12", "2_13/2_12"}},
    {"2_7", {"-", "P1/P2", "2_15/2_14", "2_15/2_14"}},
    {"2_8", {"-", "-", "P15/P16", "2_17/2_16"}},
    {"2_9", {"-", "-", "P13/P14", "2_19/2_18"}},
    {"2_10", {"-", "-", "P11/P12", "2_21/2_20"}},
    {"2_11", {"-", "-", "P9/P10", "2_23/2_22"}},
    {"2_12", {"-", "-", "P7/P8", "2_25/2_24"}},
    {"2_13", {"-", "-", "P5/P6", "2_27/2_26"}},
    {"2_14", {"-", "-", "P3/P4", "2_29/2_28"}},
    {"2_15", {"-", "-", "P1/P2", "2_31/2_30"}},
    {"2_16", {"-", "-", "-", "P31/P32"}},
    {"2_17", {"-", "-", "-", "P29/P30"}},
    {"2_18", {"-", "-", "-", "P27/P28"}},
    {"2_19", {"-", "-", "-", "P25/P26"}},
    {"2_20", {"-", "-", "-", "P23/P24"}},
    {"2_21", {"-", "-", "-", "P21/P22"}},
    {"2_22", {"-", "-", "-", "P19/P20"}},
    {"2_23", {"-", "-", "-", "P17/P18"}},
    {"2_24", {"-", "-", "-", "P15/P16"}},
    {"2_25", {"-", "-", "-", "P13/P14"}},
    {"2_26", {"-", "-", "-", "P11/P12"}},
    {"2_27", {"-", "-", "-", "P9/P10"}},
    {"2_28", {"-", "-", "-", "P7/P8"}},
    {"2_29", {"-", "-", "-", "P5/P6"}},
    {"2_30", {"-", "-", "-", "P3/P4"}},
    {"2_31", {"-", "-", "-", "P1/P2"}},
};
const char *const kComptesDuels[4] = {"4", "8", "16", "32"};

const Ligne kTrois[] = {
    {"3A", {"3D/3C/3B", "3D/3C/3B"}}, {"3B", {"P7/P8/P9", "3G/3F/3E"}},
    {"3C", {"P4/P5/P6", "3J/3I/3H"}}, {"3D", {"P1/P2/P3", "3M/3L/3K"}},
    {"3E", {"-", "P25/P26/P27"}},     {"3F", {"-", "P22/P23/P24"}},
    {"3G", {"-", "P19/P20/P21"}},     {"3H", {"-", "P16/P17/P18"}},
    {"3I", {"-", "P13/P14/P15"}},     {"3J", {"-", "P10/P11/P12"}},
    {"3K", {"-", "P7/P8/P9"}},        {"3L", {"-", "P4/P5/P6"}},
    {"3M", {"-", "P1/P2/P3"}},
};
const char *const kComptesTrois[2] = {"9", "27"};

const QString kAvant = QStringLiteral("avant");

class PreparerManche : public ChampionshipTest {
protected:
    void SetUp() override
    {
        ChampionshipTest::SetUp();
        participants(QStringLiteral("32"));
        // Every case holds a winner of its own, so that each source can be told apart.
        for (int k = 2; k <= 31; ++k)
            remplirCase(QStringLiteral("2_%1").arg(k));
        for (char c = 'B'; c <= 'M'; ++c)
            remplirCase(QStringLiteral("3") + QChar(c));
    }
    void remplirCase(const QString &code)
    {
        form_jeu().Label_vainqueur_(code)->setCaption(nomCase(code));
        form_jeu().Photo_vainqueur_(code)->setCheminImage(cheminCase(code));
    }
    void marquerSlots()
    {
        for (int s = 1; s <= 3; ++s) {
            form_jeu().Label_nom_joueur(s)->setCaption(kAvant);
            form_jeu().Image(s)->setCheminImage(kAvant);
        }
    }
    void charger(const QString &count, const QString &code)
    {
        form_jeu().Label_nombre_joueurs->setCaption(count);
        form_jeu().Label_manche->setCaption(code);
        marquerSlots();
        Preparer_manche();
    }
    // The slot's name and path, as the table names its source.
    void attendu(int slot, const QString &source, const QString &contexte)
    {
        QString nom, chemin;
        if (source.startsWith(QLatin1Char('P'))) {
            const int p = source.mid(1).toInt();
            nom = nomParticipant(p);
            chemin = cheminParticipant(p);
        } else {
            nom = nomCase(source);
            chemin = cheminCase(source);
        }
        EXPECT_EQ(form_jeu().Label_nom_joueur(slot)->Caption(), nom) << qPrintable(contexte);
        EXPECT_EQ(form_jeu().Image(slot)->CheminImage(), chemin) << qPrintable(contexte);
    }
    void inchange(int slot, const QString &contexte)
    {
        EXPECT_EQ(form_jeu().Label_nom_joueur(slot)->Caption(), kAvant) << qPrintable(contexte);
        EXPECT_EQ(form_jeu().Image(slot)->CheminImage(), kAvant) << qPrintable(contexte);
    }
    void verifierTable(const Ligne *lignes, std::size_t n, const char *const *comptes, int nComptes)
    {
        for (std::size_t i = 0; i < n; ++i) {
            for (int c = 0; c < nComptes; ++c) {
                const QString count = QString::fromLatin1(comptes[c]);
                const QString code = QString::fromLatin1(lignes[i].code);
                const QString contexte = count + QStringLiteral(" / ") + code;
                charger(count, code);
                const QString cellule = QString::fromLatin1(lignes[i].par[c]);
                if (cellule == QLatin1String("-")) {
                    for (int s = 1; s <= 3; ++s)
                        inchange(s, contexte);
                    continue;
                }
                const QStringList sources = cellule.split(QLatin1Char('/'));
                for (int s = 1; s <= sources.size(); ++s)
                    attendu(s, sources[s - 1], contexte);
                if (sources.size() == 2)
                    inchange(3, contexte); // duels never write slot 3
            }
        }
    }
};

} // namespace

TEST_F(PreparerManche, DuelTreesLoadEveryRowOfTheTable)
{
    verifierTable(kDuels, std::size(kDuels), kComptesDuels, 4);
}

TEST_F(PreparerManche, TreesOfThreeLoadEveryRowOfTheTable)
{
    verifierTable(kTrois, std::size(kTrois), kComptesTrois, 2);
}

TEST_F(PreparerManche, SingleMatchesLoadTheSameParticipantsWhateverTheCode)
{
    for (const QString &code :
         {QString("2_1"), QString("3A"), QString("2_7"), QString("x"), QString()}) {
        charger("1", code);
        inchange(1, "1 " + code);
        attendu(2, "P1", "1 " + code);
        inchange(3, "1 " + code);

        charger("2", code);
        attendu(1, "P1", "2 " + code);
        attendu(2, "P2", "2 " + code);
        inchange(3, "2 " + code);

        charger("3", code);
        attendu(1, "P1", "3 " + code);
        attendu(2, "P2", "3 " + code);
        attendu(3, "P3", "3 " + code);
    }
}

TEST_F(PreparerManche, UnknownCountsAndCodesChangeNothing)
{
    const std::pair<QString, QString> cas[] = {
        {"5", "2_3"},  {" 4", "2_3"}, {"04", "2_3"},  {"", "score"},  {"4", "2_03"},
        {"4", "2_ 3"}, {"8", "2_0"},  {"32", "2_32"}, {"9", "3a"},    {"9", "3E"},
        {"27", "3N"},  {"16", "3A"},  {"9", "2_1"},   {"4", "score"}, {"27", ""},
    };
    for (const auto &[count, code] : cas) {
        charger(count, code);
        for (int s = 1; s <= 3; ++s)
            inchange(s, count + " / " + code);
    }
}

TEST_F(PreparerManche, TextsAreCopiedUnchanged)
{
    form_photos().Text(1)->setText("  Zoé ");
    form_photos().Label_chemin_image(1)->setCaption("");
    form_photos().Text(2)->setText("");
    charger("2", "2_1");
    EXPECT_EQ(form_jeu().Label_nom_joueur1->Caption(), "  Zoé ");
    EXPECT_EQ(form_jeu().Image1->CheminImage(), "");
    EXPECT_EQ(form_jeu().Label_nom_joueur2->Caption(), "");
}
