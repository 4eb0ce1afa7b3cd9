// The end of a match: the winner of a match of two or three, a tie-break question between
// the tied players, or the score of a one-player game (Command1_Click, the best-score entry,
// is Form_jeu's, in fin_manche.cpp). The tables are pure functions here.
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

class Form_jeu;

void Fin_manche(Form_jeu &jeu);
// Hides the question and draws a tie-break question between the players still in.
void Question_subsidiaire(Form_jeu &jeu);

// What ends a match of two or three: the winner's slot, or a tie-break with the slot put out
// (0 for none).
struct Evaluation {
    int vainqueur = 0;     // 1..3, or 0 for a tie-break
    int mis_dehors = 0;    // with a tie-break: the slot put out, 0 for none
    bool operator==(const Evaluation &) const = default;
};
// By the players per match ("2" or "3"), the scores and which slots are still in play; a slot
// out of play ranks below every slot in play, whatever the scores. Nothing for another type.
[[nodiscard]] std::optional<Evaluation> evaluerManche(const QString &typeJeu,
                                                      const std::array<qint64, 3> &scores,
                                                      const std::array<bool, 3> &enJeu);

// What a one-player game that is not a score game shows under "Score"; nothing for a game
// type that shows nothing.
[[nodiscard]] std::optional<QString> texteScore(const QString &typeDeJeu, const QString &score,
                                 const QString &nombreQuestions, const QString &pointsGagnes,
                                 const QString &pointsPerdus);
