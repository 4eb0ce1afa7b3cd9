// The match flow on the game screen: the reset of the board, the start of the first and of
// every later question, the decision after each question, and the screen's buttons (their
// handlers are Form_jeu's, in deroulement.cpp). The rules are pure functions at the end.
#pragma once

#include <QString>
#include <QtGlobal>

class Form_jeu;

inline const QString kQuestionN = QStringLiteral("Question n°");
inline const QString kQuestionSubsidiaire = QStringLiteral("Question subsidiaire");

// Resets the board for a new game or match and rewrites the question order file.
void Initialiser_manche(Form_jeu &jeu);
// The first question: the countdown is on before the theme draw.
void Debut_partie(Form_jeu &jeu);
// A later question, or a tie-break: the theme draw, then the countdown.
void Lancer_question(Form_jeu &jeu);
// After each question: the next question, a wait for the clock, or the end of the match.
void Question_suivante_ou_fin(Form_jeu &jeu);

// --- The rules, as plain values ---

enum class Suite { Rien, FinManche, QuestionSuivante, Attendre };
struct DecisionSuite {
    Suite suite = Suite::Rien;
    bool trenteSecondes = false; // the seconds left go back to "30" first
    bool operator==(const DecisionSuite &) const = default;
};
// What follows a question, by the game type, the questions of a game, the question number,
// the seconds left and whether a tie-break question just ended.
[[nodiscard]] DecisionSuite decisionSuite(const QString &typeDeJeu, const QString &nombreQuestions,
                                          const QString &numeroQuestion,
                                          const QString &tempsRestant, bool subsidiaire);
