#include "game/screens.h"

#include "game/avatars/form_photos.h"
#include "game/match/form_jeu.h"
#include "game/services/form_admin.h"
#include "game/services/form_bruitage.h"
#include "game/services/form_score.h"
#include "game/setup/form_accueil.h"
#include "game/setup/form_fond.h"
#include "game/setup/form_nombre_joueurs.h"
#include "platform/screens.h"

using platform::Screens;

void registerGameScreens()
{
    Screens::registerForm<Form_admin>();
    Screens::registerForm<Form_fond>();
    Screens::registerForm<Form_accueil>();
    Screens::registerForm<Form_nombre_joueurs>();
    Screens::registerForm<Form_photos>();
    Screens::registerForm<Form_bruitage>();
    Screens::registerForm<Form_score>();
    Screens::registerForm<Form_jeu>();
}
