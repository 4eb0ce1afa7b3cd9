// Reading the settings files into the settings store, and the test that no theme is on.
#pragma once

// Reads KSV.tpq then themes.tpq from the program folder into Form_admin. A missing or short
// file applies the items it holds; the others keep their values.
void Charger_parametres();

// True when all 26 theme switches read "non".
bool Aucun_theme_actif();
