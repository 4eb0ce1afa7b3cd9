// The hidden settings store of the game: each setting lives in one control of this screen,
// which is never shown.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <array>

class Form_admin : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char *formName = "Form_admin";
    Form_admin();

    // Reglages
    platform::Label *Label_type_de_jeu;
    platform::TextBox *Text_nombre_questions;
    platform::TextBox *Text_nombre_secondes;
    platform::Label *Label_bruitage_vrai;
    platform::Label *Label_bruitage_faux;
    platform::CheckBox *Check_bouton_option;
    platform::CheckBox *Check_tictac;
    platform::CheckBox *Check_musique;
    platform::Label *Label_points;
    platform::Label *Label_points_gagnes;
    platform::CheckBox *Check_speech;

    // Themes_actifs, in file order (Label_compos .. Label_fichier_texte7).
    std::array<platform::Label *, 26> Label_themes;
    platform::Label *theme(const QString &key) const;

    platform::CommandButton *Command_initialisation;
    void Command_initialisation_Click();
};

// The store, created on first use.
Form_admin &form_admin();
