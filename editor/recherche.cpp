#include "editor/recherche.h"

#include <QStringView>

namespace editor {

std::optional<int> chercher(const QString &texte, const Recherche &recherche, int debutSelection,
                            int longueurSelection)
{
    // Comparing case-insensitively in place keeps positions exact, where upper-casing the
    // whole text first would shift them after a character whose capital is longer (ß, SS).
    const Qt::CaseSensitivity cs = recherche.casse ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QString &cherche = recherche.cherche;
    const int decalage = longueurSelection > 0 ? 1 : 0;
    const int taille = static_cast<int>(texte.size());
    const int n = static_cast<int>(cherche.size());
    if (recherche.bas) {
        for (int p = debutSelection + decalage; p <= taille - n; ++p) {
            if (QStringView(texte).mid(p, n).compare(cherche, cs) == 0)
                return p;
        }
        return std::nullopt;
    }
    for (int p = std::min(debutSelection - decalage, taille - n); p >= 0; --p) {
        if (QStringView(texte).mid(p, n).compare(cherche, cs) == 0)
            return p;
    }
    return std::nullopt;
}

} // namespace editor
