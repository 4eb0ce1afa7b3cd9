// The full-screen background that fits the screen size.
#pragma once

#include <QString>

// The name of the "fond" picture made for a screen of that size in pixels, or an empty
// name when none was made for it (the background then stays black).
QString nomFondEcran(int largeur, int hauteur);
