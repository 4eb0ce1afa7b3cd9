// "Suite" of the avatar screen: from the participants into the first match.
#pragma once

// Prepares a fresh game screen for the chosen participant count (first match code, counts,
// table panel, the names of the table's opening cases), saves the participants, loads the
// first match's players and shows the game screen over the avatar screen.
void Demarrer_premiere_manche();
