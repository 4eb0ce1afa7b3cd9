#include "game/setup/form_nombre_joueurs.h"

#include "platform/screens.h"

using namespace platform;

Form_nombre_joueurs::Form_nombre_joueurs()
    : Form(QString::fromLatin1(formName)), Label_score(new Label(this, "Label_score")),
      Label_score_oui_non(new Label(this, "Label_score_oui_non", "non"))
{
    Label_score->setVisible(false);
    Label_score_oui_non->setVisible(false);
}

Form_nombre_joueurs &form_nombre_joueurs()
{
    return Screens::get<Form_nombre_joueurs>();
}
