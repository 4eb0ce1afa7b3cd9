// The game-choice screen: the kind of game and the number of players. The chosen game is
// held as the marks (Appearance 1) of its labels.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <array>

class Form_nombre_joueurs : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char *formName = "Form_nombre_joueurs";
    Form_nombre_joueurs();

    void Form_Load() override;

    // Hidden: Appearance 1 while a score game is chosen.
    platform::Label *Label_score;
    // Hidden: "oui" for the score games, "non" for the others.
    platform::Label *Label_score_oui_non;

    platform::Label *Label_1_joueur;
    platform::Label *Label_2_joueurs;
    platform::Label *Label_4_joueurs;
    platform::Label *Label_8_joueurs;
    platform::Label *Label_16_joueurs;
    platform::Label *Label_32_joueurs;
    platform::Label *Label_3_joueurs;
    platform::Label *Label_9_joueurs;
    platform::Label *Label_27_joueurs;
    platform::Label *Label_minutes;
    platform::Label *Label_questions;
    platform::Label *Label_score_minutes;
    platform::Label *Label_score_20_questions;
    platform::Label *Label_options;
    platform::Image *Image_quitter;

    // The nine count labels, in the order of the screen's layout.
    std::array<platform::Label *, 9> labelsNombre() const;

    void Label_nombre_Click(platform::Label *choisi);
    void Label_minutes_Click();
    void Label_questions_Click();
    void Label_score_20_questions_Click();
    void Label_score_minutes_Click();
    void Label_options_Click();
    void Label_options_MouseDown();
    void Label_options_MouseUp();
    void Image_quitter_Click();

    // Sets up and shows the avatar screen for the marked game.
    void Preparer_choix_joueurs();

private:
    void voirScores(const QString &typeDeJeu);
};

Form_nombre_joueurs &form_nombre_joueurs();

// Unloads every screen of the game, in order, and ends the program.
void quitterLeJeu();
