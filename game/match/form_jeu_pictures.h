// The game screen's design pictures, drawn by code: the background, the button faces, the
// small icons, the pendulum and the knock-out tables' connectors.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>

#include <vector>

namespace jeu_pictures {

QPixmap fond(QSize size);
QPixmap faceBouton(QSize size, QColor colour);
QPixmap panneauTableau(QSize size);
QPixmap retour(QSize size);
QPixmap meilleursScores(QSize size);
QPixmap manette(QSize size);
QPixmap fermer(QSize size);
// The pendulum leaning by `degrees` (negative to the left).
QPixmap tempello(QSize size, double degrees);

// Lines joining feeders (their right edge at x 0) to the match they feed (its left edge at
// the picture's right edge); y in pixels of the picture.
struct Branche {
    std::vector<int> feeders;
    int match;
};
QPixmap connecteurs(QSize size, const std::vector<Branche> &branches);

} // namespace jeu_pictures
