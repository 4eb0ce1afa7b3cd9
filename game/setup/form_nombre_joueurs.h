// The game-choice screen: the kind of game and the number of players. The chosen game is
// held as the marks (Appearance 1) of its labels.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"

class Form_nombre_joueurs : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char *formName = "Form_nombre_joueurs";
    Form_nombre_joueurs();

    // Hidden: Appearance 1 while a score game is chosen.
    platform::Label *Label_score;
    // Hidden: "oui" for the score games, "non" for the others.
    platform::Label *Label_score_oui_non;
};

Form_nombre_joueurs &form_nombre_joueurs();
