#include "game/setup/fonds.h"

namespace {
struct FondEcran {
    int largeur;
    int hauteur;
    const char *nom;
};

constexpr FondEcran kFonds[] = {
    {1280, 1024, "1280"}, {1024, 768, "1024"},  {1024, 600, "1024_600"},
    {1440, 900, "1440"},  {1680, 1050, "1680"},
};
} // namespace

QString nomFondEcran(int largeur, int hauteur)
{
    for (const FondEcran &f : kFonds) {
        if (f.largeur == largeur && f.hauteur == hauteur)
            return QString::fromLatin1(f.nom);
    }
    return {};
}
