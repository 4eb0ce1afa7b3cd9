#include "game/setup/choix_partie.h"
#include "game/setup/fonds.h"

#include <gtest/gtest.h>

TEST(FondEcran, EachKnownScreenSizeHasItsOwnPictureAndOthersNone)
{
    const struct {
        int largeur, hauteur;
        const char *nom;
    } cas[] = {
        {1280, 1024, "1280"}, {1024, 768, "1024"},  {1024, 600, "1024_600"},
        {1440, 900, "1440"},  {1680, 1050, "1680"}, {1366, 768, ""},
        {800, 600, ""},       {1920, 1080, ""},     {1024, 1280, ""}, // width and height swapped
        {768, 1024, ""},      {0, 0, ""},
    };
    for (const auto &c : cas)
        EXPECT_EQ(nomFondEcran(c.largeur, c.hauteur), QString::fromLatin1(c.nom))
            << c.largeur << " x " << c.hauteur;
}

namespace {
// One row of the set-up table, typed in as it stands.
struct Ligne {
    int n;
    int colonnes, lignes;
    QPoint premier;
    QRect zone;
    int largeurTitre, hauteurTitre, hautTitre;
    const char *fond;
};

const Ligne kTable[] = {
    {1, 1, 1, {2870, 0}, {5700, 2700, 4345, 1695}, 2055, 1035, 300, "fond1joueur"},
    {2, 2, 1, {2870, 0}, {4730, 2680, 5490, 1695}, 2055, 1035, 300, "fond2joueurs"},
    {3, 3, 1, {2870, 0}, {3330, 2680, 6845, 1695}, 2055, 1035, 300, "fond3joueurs"},
    {4, 4, 1, {2870, 0}, {2100, 2680, 8100, 1695}, 2055, 1035, 300, "fond4joueurs"},
    {8, 4, 2, {2870, 0}, {2050, 1100, 8100, 3195}, 2055, 1035, 1190, "fond8joueurs"},
    {9, 3, 3, {70, 1000}, {3730, 580, 4045, 5795}, 3450, 500, 300, "fond9joueurs"},
    {16, 4, 4, {70, 1000}, {2350, 760, 5245, 7395}, 4730, 500, 300, "fond16joueurs"},
    {27, 9, 3, {0, 720}, {240, 280, 11625, 5635}, 11325, 315, 300, "fond27joueurs"},
    {32, 8, 4, {0, 720}, {830, 550, 10335, 7155}, 10005, 315, 300, "fond32joueurs"},
};
} // namespace

TEST(DispositionAvatars, EveryCountFollowsItsRowOfTheTable)
{
    for (const Ligne &l : kTable) {
        const auto d = dispositionAvatars(l.n);
        ASSERT_TRUE(d) << l.n;
        EXPECT_EQ(d->participants, l.n);
        EXPECT_EQ(d->colonnes, l.colonnes) << l.n;
        EXPECT_EQ(d->lignes, l.lignes) << l.n;
        EXPECT_EQ(d->premier, l.premier) << l.n;
        EXPECT_EQ(d->zone, l.zone) << l.n;
        EXPECT_EQ(d->largeurTitre, l.largeurTitre) << l.n;
        EXPECT_EQ(d->hauteurTitre, l.hauteurTitre) << l.n;
        EXPECT_EQ(d->hautTitre, l.hautTitre) << l.n;
        EXPECT_EQ(d->fond, QString::fromLatin1(l.fond)) << l.n;
        EXPECT_EQ(d->singulier, l.n == 1) << l.n;
    }
}

namespace {
struct Place {
    int n, k;
    QPoint numero, image, nom;
};

// Worked out by hand from the grid rule (and the table's telling points).
const Place kPlaces[] = {
    {1, 1, {2870, 0}, {2930, 270}, {2960, 1260}},
    {2, 2, {4160, 0}, {4220, 270}, {4250, 1260}},
    {3, 3, {5450, 0}, {5510, 270}, {5540, 1260}},
    {4, 4, {6740, 0}, {6800, 270}, {6830, 1260}},
    {8, 5, {2870, 1590}, {2930, 1860}, {2960, 2850}}, // under slot 1
    {8, 8, {6740, 1590}, {6800, 1860}, {6830, 2850}},
    {9, 1, {70, 1000}, {130, 1270}, {160, 2260}},
    {9, 4, {70, 2590}, {130, 2690}, {160, 3850}}, // second row: pictures sit higher
    {9, 6, {2650, 2590}, {2710, 2690}, {2740, 3850}},
    {9, 7, {70, 4180}, {130, 4450}, {160, 5440}}, // third row as usual again
    {9, 9, {2650, 4180}, {2710, 4450}, {2740, 5440}},
    {16, 4, {3940, 1000}, {4000, 1270}, {4030, 2260}},
    {16, 5, {70, 2590}, {130, 2690}, {160, 3850}},
    {16, 8, {3940, 2590}, {4000, 2690}, {4030, 3850}},
    {16, 9, {70, 4180}, {130, 4450}, {160, 5440}},
    {16, 16, {3940, 5770}, {4000, 6040}, {4030, 7030}},
    {27, 9, {10320, 720}, {10380, 990}, {10410, 1980}},
    {27, 10, {0, 2310}, {60, 2580}, {90, 3570}},
    {27, 27, {10320, 3900}, {10380, 4170}, {10410, 5160}},
    {32, 1, {0, 720}, {60, 990}, {90, 1980}},
    {32, 8, {9030, 720}, {9090, 990}, {9120, 1980}},
    {32, 9, {0, 2310}, {60, 2580}, {90, 3570}}, // the second row keeps the usual offset
    {32, 32, {9030, 5490}, {9090, 5760}, {9120, 6750}},
};
} // namespace

TEST(DispositionAvatars, SlotsStandWhereTheGridPutsThem)
{
    for (const Place &p : kPlaces) {
        const PlaceEmplacement place = placeEmplacement(*dispositionAvatars(p.n), p.k);
        EXPECT_EQ(place.numero, p.numero) << p.n << " joueurs, emplacement " << p.k;
        EXPECT_EQ(place.image, p.image) << p.n << " joueurs, emplacement " << p.k;
        EXPECT_EQ(place.nom, p.nom) << p.n << " joueurs, emplacement " << p.k;
    }
}

TEST(ChoixPartie, TheScoreMarkComesFirstThenTheCountsInTheirOrder)
{
    MarquesChoix m;
    EXPECT_FALSE(jeuChoisi(m));
    m.huit = true;
    EXPECT_EQ(jeuChoisi(m), Jeu::HuitJoueurs);
    m.trois = true; // later in the order than 8
    EXPECT_EQ(jeuChoisi(m), Jeu::HuitJoueurs);
    m.seize = true;
    EXPECT_EQ(jeuChoisi(m), Jeu::SeizeJoueurs);
    m.un = true;
    EXPECT_EQ(jeuChoisi(m), Jeu::UnJoueur);
    m.score = true;
    EXPECT_EQ(jeuChoisi(m), Jeu::Score20Questions);
    m.minutes = true;
    EXPECT_EQ(jeuChoisi(m), Jeu::Score2Minutes);

    MarquesChoix seul;
    seul.minutes = true; // the minutes mark alone is no score game
    EXPECT_FALSE(jeuChoisi(seul));
    seul.vingtSept = true;
    seul.neuf = true;
    EXPECT_EQ(jeuChoisi(seul), Jeu::VingtSeptJoueurs);
    seul.deux = true;
    EXPECT_EQ(jeuChoisi(seul), Jeu::DeuxJoueurs);
}
