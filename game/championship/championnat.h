// The championship on the game screen: loading the players of the match in play, recording
// a match's winner in the knock-out table, and announcing it before the next match.
#pragma once

// Puts the players of the match named by the game screen's code into its player slots.
void Preparer_manche();

// The winner of the match just played is the player of slot 1, 2 or 3.
void Vainqueur_joueur1();
void Vainqueur_joueur2();
void Vainqueur_joueur3();

// Closes a match: shows the winner, steps the code to the next match and offers its button.
void Annoncer_vainqueur();
