#include "game/setup/choix_partie.h"

#include <array>

std::optional<Jeu> jeuChoisi(const MarquesChoix &m)
{
    if (m.score)
        return m.minutes ? Jeu::Score2Minutes : Jeu::Score20Questions;
    const std::array<std::pair<bool, Jeu>, 9> ordre = {{
        {m.un, Jeu::UnJoueur},
        {m.trenteDeux, Jeu::TrenteDeuxJoueurs},
        {m.seize, Jeu::SeizeJoueurs},
        {m.huit, Jeu::HuitJoueurs},
        {m.quatre, Jeu::QuatreJoueurs},
        {m.deux, Jeu::DeuxJoueurs},
        {m.vingtSept, Jeu::VingtSeptJoueurs},
        {m.neuf, Jeu::NeufJoueurs},
        {m.trois, Jeu::TroisJoueurs},
    }};
    for (const auto &[marque, jeu] : ordre) {
        if (marque)
            return jeu;
    }
    return std::nullopt;
}

int nombreParticipants(Jeu jeu)
{
    switch (jeu) {
    case Jeu::Score2Minutes:
    case Jeu::Score20Questions:
    case Jeu::UnJoueur: return 1;
    case Jeu::DeuxJoueurs: return 2;
    case Jeu::TroisJoueurs: return 3;
    case Jeu::QuatreJoueurs: return 4;
    case Jeu::HuitJoueurs: return 8;
    case Jeu::NeufJoueurs: return 9;
    case Jeu::SeizeJoueurs: return 16;
    case Jeu::VingtSeptJoueurs: return 27;
    case Jeu::TrenteDeuxJoueurs: return 32;
    }
    return 1;
}

namespace {
struct Ligne {
    int n, colonnes, lignes, x0, y0;
    int largeur, hauteur, gauche, haut;
    int largeurTitre, hauteurTitre, hautTitre;
    const char *fond;
};

// One row per number of participants.
constexpr Ligne kDispositions[] = {
    {1, 1, 1, 2870, 0, 4345, 1695, 5700, 2700, 2055, 1035, 300, "fond1joueur"},
    {2, 2, 1, 2870, 0, 5490, 1695, 4730, 2680, 2055, 1035, 300, "fond2joueurs"},
    {3, 3, 1, 2870, 0, 6845, 1695, 3330, 2680, 2055, 1035, 300, "fond3joueurs"},
    {4, 4, 1, 2870, 0, 8100, 1695, 2100, 2680, 2055, 1035, 300, "fond4joueurs"},
    {8, 4, 2, 2870, 0, 8100, 3195, 2050, 1100, 2055, 1035, 1190, "fond8joueurs"},
    {9, 3, 3, 70, 1000, 4045, 5795, 3730, 580, 3450, 500, 300, "fond9joueurs"},
    {16, 4, 4, 70, 1000, 5245, 7395, 2350, 760, 4730, 500, 300, "fond16joueurs"},
    {27, 9, 3, 0, 720, 11625, 5635, 240, 280, 11325, 315, 300, "fond27joueurs"},
    {32, 8, 4, 0, 720, 10335, 7155, 830, 550, 10005, 315, 300, "fond32joueurs"},
};

constexpr int kPasColonne = 1290;
constexpr int kPasLigne = 1590;
constexpr QPoint kDecalageImage{60, 270};
// In the 9- and 16-participant layouts the second row's pictures sit higher in their cards.
constexpr int kHautImageDeuxiemeLigneSerree = 100;
constexpr QPoint kDecalageNom{90, 1260};
} // namespace

std::optional<DispositionAvatars> dispositionAvatars(int participants)
{
    for (const Ligne &l : kDispositions) {
        if (l.n != participants)
            continue;
        DispositionAvatars d;
        d.participants = l.n;
        d.colonnes = l.colonnes;
        d.lignes = l.lignes;
        d.premier = {l.x0, l.y0};
        d.zone = QRect(l.gauche, l.haut, l.largeur, l.hauteur);
        d.largeurTitre = l.largeurTitre;
        d.hauteurTitre = l.hauteurTitre;
        d.hautTitre = l.hautTitre;
        d.fond = QString::fromLatin1(l.fond);
        d.singulier = l.n == 1;
        return d;
    }
    return std::nullopt;
}

PlaceEmplacement placeEmplacement(const DispositionAvatars &d, int k)
{
    const int colonne = (k - 1) % d.colonnes;
    const int ligne = (k - 1) / d.colonnes;
    PlaceEmplacement p;
    p.numero = d.premier + QPoint(kPasColonne * colonne, kPasLigne * ligne);
    p.image = p.numero + kDecalageImage;
    if (ligne == 1 && (d.participants == 9 || d.participants == 16))
        p.image.setY(p.numero.y() + kHautImageDeuxiemeLigneSerree);
    p.nom = p.numero + kDecalageNom;
    return p;
}

std::optional<ReglesScore> reglesScore(Jeu jeu)
{
    if (jeu == Jeu::Score2Minutes)
        return ReglesScore{"temps", {}, "120", "1", "1"};
    if (jeu == Jeu::Score20Questions)
        return ReglesScore{"question", "20", {}, "10", "temps"};
    return std::nullopt;
}
