// Answers of the three player slots, whatever they come from (keys, mouse, controllers):
// the gate that opens the answers, the answer decision, the scoring routines and the end of
// a question. The rules given as tables are pure functions at the end.
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <cstdint>
#include <optional>

class Form_jeu;

// Answers are open: the answer timer runs, the countdown does not, and the question in play
// has not been settled already.
[[nodiscard]] bool reponsesOuvertes(const Form_jeu &jeu);

// The slot (1..3) is in play (its score shown) and has not answered wrong yet.
[[nodiscard]] bool peutRepondre(const Form_jeu &jeu, int slot);

// The answer decision for `slot` (1..3) and `reponse` (1..4): the right answer scores, another
// of "1".."4" is a wrong answer, anything else (no right answer given) does nothing.
void decisionReponse(Form_jeu &jeu, int slot, int reponse);

// The scoring routines of slot 1..3.
void Bonne_reponse_joueur(Form_jeu &jeu, int slot);
void Mauvaise_reponse_joueur(Form_jeu &jeu, int slot);

// After a wrong answer or a time-out: the wrong-answer sound, then the end of the question
// when every player still in play is wrong.
void Verifier_mauvaises_reponses(Form_jeu &jeu);
// Closes the question in play and hands over to the next question or the end of the match.
void Fin_question(Form_jeu &jeu);

// --- The rules, as plain values ---

// Points won or lost by a setting: "temps" is the seconds left, anything else its number.
[[nodiscard]] qint64 pointsDuReglage(const QString &reglage, const QString &tempsRestant);

// The colour (0xBBGGRR) a right answer takes when slot 1..3 finds it.
[[nodiscard]] std::uint32_t couleurJoueur(int slot);
inline constexpr std::uint32_t kCouleurNonTrouvee = 0x80FF; // orange

// Every player still in play is wrong, by the players per match ("1", "2", "3"), the wrong
// marks and the slots in play.
[[nodiscard]] bool tousFaux(const QString &typeJeu, const std::array<bool, 3> &faux,
                            const std::array<bool, 3> &present);
// A wrong answer or a time-out sounds only in "question" games, unless the sound is "non".
[[nodiscard]] bool sonMauvaiseReponse(const QString &typeDeJeu, const QString &bruitageFaux);

// Which slot a key answers for, and with which answer (1..4), by the players per match;
// nothing for a key that answers nothing in that game.
struct Touche {
    int slot;
    int reponse;
    bool operator==(const Touche &) const = default;
};
[[nodiscard]] std::optional<Touche> routageTouche(const QString &typeJeu, int keyCode);
