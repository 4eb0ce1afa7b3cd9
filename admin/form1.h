// The administration tool's one window: every setting of the game in its controls, read from
// the settings files at start and written back by "Retour".
#pragma once

#include "admin/controles.h"
#include "datafiles/settingsfiles.h"
#include "platform/controls.h"
#include "platform/form.h"

#include <array>
#include <functional>
#include <optional>

class Form1 : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char *formName = "Form1";
    Form1();

    // Reads the ten settings files into the controls; writes nothing.
    void Form_Load() override;

    admin::Frame *Frame1;
    platform::OptionButton *Option_question;
    platform::TextBox *Text_nombre_questions;
    platform::OptionButton *Option_temps;
    platform::TextBox *Text_nombre_secondes;
    platform::Label *Label3;
    platform::Label *Label_minutes;

    admin::Frame *Frame9;
    platform::Label *Label2;
    admin::ComboBox *Combo_points_gagnes;
    platform::Label *Label1;
    admin::ComboBox *Combo_points;

    admin::Frame *Frame2;
    platform::CheckBox *Check_bruitage_vrai;
    admin::ComboBox *Combo_bruitage_vrai;
    platform::CheckBox *Check_bruitage_faux;
    admin::ComboBox *Combo_bruitage_faux;
    platform::CheckBox *Check_tictac;

    admin::Frame *Frame3;
    platform::CheckBox *Check_musique;
    platform::CheckBox *Check_bouton_option;
    platform::CheckBox *Check_speech;

    admin::Frame *Frame4;
    admin::Frame *Frame6;
    admin::Frame *Frame7;
    admin::Frame *Frame8;
    // The 26 theme boxes in the order of themes.tpq: the 19 packs, then the seven slots.
    std::array<platform::CheckBox *, datafiles::kNombreThemes> Check_themes;
    platform::OptionButton *Option_aleatoire;
    platform::OptionButton *Option_ordre;
    platform::CommandButton *Command_telecharger;

    platform::CommandButton *Command_supprimer_questions;
    platform::CommandButton *Command_supprimer_temps;
    platform::Image *Image_quitter;

    // The rows of the seven text-file slots, slot 1 to 7.
    platform::CommandButton *Command_ouvrir_texte(int slot) const;
    platform::CheckBox *Check_fichier_texte(int slot) const;
    platform::Label *Label_chemin_fichier_texte(int slot) const;
    // A pack's box by its theme key ("compos", "aigu3"...).
    platform::CheckBox *Check_theme(const QString &key) const;

    void Option_question_Click();
    void Option_temps_Click();
    void Text_nombre_secondes_Change();
    void Check_fichier_texte_Click(int slot);
    void Command_ouvrir_texte_Click(int slot);
    void Image_quitter_Click();
    void Command_supprimer_questions_Click();
    void Command_supprimer_temps_Click();
    void Command_telecharger_Click();

    // The default browser's command without its quotes; empty when there is none.
    static QString chemin_navigateur();

    // The open-file dialog of the slots: the chosen full path, or nothing when cancelled.
    // Tests put their own answer in its place.
    using ChoixFichier = std::function<std::optional<QString>(const QString &dossier)>;
    void setChoixFichier(ChoixFichier choix) { m_choixFichier = std::move(choix); }

private:
    void construireTypeEtPoints();
    void construireBruitagesEtDivers();
    void construireThemes();
    void construireEmplacements();
    // Choosing the type that is already chosen also refills the lists, so that a stored type
    // always ends with its defaults selected.
    void choisirTypeDeJeu(bool jeuQuestions);
    void remplirPoints(bool jeuQuestions);
    // The steps of the start, in their order.
    void appliquerOrdre(const std::vector<datafiles::Item> &items);
    void appliquerReglages(const std::vector<datafiles::Item> &items);
    void verifierProgrammes();
    void remplirEmplacements();
    void verifierEcoutes();
    void effacerScores(const QString &fichier);

    std::array<platform::CommandButton *, datafiles::kNombreEmplacements> m_ouvrir;
    std::array<platform::Label *, datafiles::kNombreEmplacements> m_chemins;
    ChoixFichier m_choixFichier;
};

// The download page of further question packs.
inline const QString kAdresseTelechargement =
    QStringLiteral("https://tempel.example.org/questionnaires/");
