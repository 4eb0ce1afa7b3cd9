// One search of the find bar in a document's text, upwards or downwards from the selection.
#pragma once

#include <QString>

#include <optional>

namespace editor {

struct Recherche {
    QString cherche;
    bool bas = false;   // downwards; otherwise upwards
    bool casse = false; // respect case
};

// Where the next occurrence starts (0-based), or nothing. Downwards the search starts just
// after the start of the selection, or at the caret when nothing is selected; upwards it
// starts just before, or at the caret when nothing is selected. It never wraps around.
[[nodiscard]] std::optional<int> chercher(const QString &texte, const Recherche &recherche,
                                          int debutSelection, int longueurSelection);

} // namespace editor
