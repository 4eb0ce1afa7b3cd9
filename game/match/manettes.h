// The game screen's controllers as plain rules: what a button paints and whether a slot has
// a player in this game.
#pragma once

#include <QString>

#include <cstdint>

class Form_jeu;

// Background (0xBBGGRR) of test square `bouton` (1..4) while its button is down or up.
[[nodiscard]] std::uint32_t couleurCarreTest(int bouton, bool bas);

// The button list's line of button `bouton` (counted from 1).
[[nodiscard]] QString ligneBouton(int bouton, bool bas);

// Whether slot 1..3 has a player in this game, by the players per match: slot 2 always,
// slot 1 in matches of two and three, slot 3 in matches of three.
[[nodiscard]] bool slotEnJeu(const Form_jeu &jeu, int slot);
