#include "game/services/form_admin.h"

#include "datafiles/settingsfiles.h"
#include "game/services/module_nouveau_themes.h"
#include "platform/screens.h"

using namespace platform;

namespace {
QString themeLabelName(const char *key)
{
    return QStringLiteral("Label_") + QLatin1String(key);
}
} // namespace

// What the store holds before any settings file has been read.
Form_admin::Form_admin()
    : Form(QString::fromLatin1(formName)),
      Label_type_de_jeu(new Label(this, "Label_type_de_jeu", "question")),
      Text_nombre_questions(new TextBox(this, "Text_nombre_questions", "20")),
      Text_nombre_secondes(new TextBox(this, "Text_nombre_secondes", "120")),
      Label_bruitage_vrai(new Label(this, "Label_bruitage_vrai", "Ding")),
      Label_bruitage_faux(new Label(this, "Label_bruitage_faux", "Buzzer")),
      Check_bouton_option(new CheckBox(this, "Check_bouton_option")),
      Check_tictac(new CheckBox(this, "Check_tictac")),
      Check_musique(new CheckBox(this, "Check_musique")),
      Label_points(new Label(this, "Label_points", "0")),
      Label_points_gagnes(new Label(this, "Label_points_gagnes", "1")),
      Check_speech(new CheckBox(this, "Check_speech")),
      Command_initialisation(new CommandButton(this, "Command_initialisation"))
{
    Check_bouton_option->setValue(1);
    Check_tictac->setValue(1);
    Check_musique->setValue(1);
    for (std::size_t k = 0; k < Label_themes.size(); ++k)
        Label_themes[k] = new Label(this, themeLabelName(datafiles::kClesThemes[k]), "non");
    connect(Command_initialisation, &CommandButton::Click, this,
            &Form_admin::Command_initialisation_Click);
}

Label *Form_admin::theme(const QString &key) const
{
    for (Label *label : Label_themes) {
        if (label->objectName() == QStringLiteral("Label_") + key)
            return label;
    }
    return nullptr;
}

void Form_admin::Command_initialisation_Click()
{
    Charger_parametres();
}

Form_admin &form_admin()
{
    return Screens::get<Form_admin>();
}
