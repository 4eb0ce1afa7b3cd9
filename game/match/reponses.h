// Answers of the three player slots, whatever they come from (keys, mouse, controllers):
// the gate that opens the answers, the answer decision and the scoring routines.
#pragma once

class Form_jeu;

// Answers are open: the answer timer runs and the countdown does not.
[[nodiscard]] bool reponsesOuvertes(const Form_jeu &jeu);

// The slot (1..3) is in play (its score shown) and has not answered wrong yet.
[[nodiscard]] bool peutRepondre(const Form_jeu &jeu, int slot);

// The answer decision for `slot` (1..3) and `reponse` (1..4): the right answer scores, another
// of "1".."4" is a wrong answer, anything else (no right answer given) does nothing.
void decisionReponse(Form_jeu &jeu, int slot, int reponse);

// The scoring routines of slot 1..3.
void Bonne_reponse_joueur(Form_jeu &jeu, int slot);
void Mauvaise_reponse_joueur(Form_jeu &jeu, int slot);
