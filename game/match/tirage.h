// The theme draw before each question: a source among those switched on, drawn at random,
// whose question program is started (the handler is Form_jeu::Command_question_Click).
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The source of draw k (1..14): the kind told to the question display and its program keys,
// one for a single source, the seven levels for a clef group (k = 5, 6).
struct SourceTirage {
    QString themeCourant;
    QStringList cles;
};
[[nodiscard]] SourceTirage sourceDuTirage(int k);

// A draw r in [0, 1) as a whole number 1..n.
[[nodiscard]] int tirageEntier(double r, int n);

// One try on source `source`: the key of the program to start, or empty when the try fails.
// `actif` tells whether a key is switched on; `niveau` draws a level 1..7, and is called only
// when the group has a level on.
[[nodiscard]] QString essaiTirage(const SourceTirage &source,
                                  const std::function<bool(const QString &)> &actif,
                                  const std::function<int()> &niveau);

// What the draw notes once it started the program of `cle`: the key, "texte" for text slots.
[[nodiscard]] QString programmeLance(const QString &cle);
