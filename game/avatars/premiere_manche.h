// "Suite" of the avatar screen: from the participants into the first match.
#pragma once

void Demarrer_premiere_manche();
