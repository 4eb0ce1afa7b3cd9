// Every screen of the game, made known to the screens registry by name, so that a screen of
// one subsystem can reach another's before it was ever loaded.
#pragma once

void registerGameScreens();
