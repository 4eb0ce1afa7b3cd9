#include "game/avatars/premiere_manche.h"

void Demarrer_premiere_manche() {}
