// The game screen: every match is played here. It owns the match in play (the three player
// slots, the match code, the counts, the timers, the result, the buttons and panels) and the
// knock-out table, all held in its controls.
#pragma once

#include "game/match/form_jeu_layout.h"
#include "platform/animatedpicture.h"
#include "platform/controllersignals.h"
#include "platform/controls.h"
#include "platform/form.h"

#include <array>
#include <map>
#include <memory>
#include <vector>

class HighScoreList;
namespace platform {
class SpeechEngine;
}

class Form_jeu : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char *formName = "Form_jeu";
    Form_jeu();
    ~Form_jeu() override;

    void Form_Load() override;

    // Player slots 1 (left), 2 (centre) and 3 (right).
    platform::Label *Label_nom_joueur1, *Label_nom_joueur2, *Label_nom_joueur3;
    platform::AnimatedPicture *Image1, *Image2, *Image3;
    platform::Label *Label_score1, *Label_score2, *Label_score3;
    platform::Label *Label_faux1, *Label_faux2, *Label_faux3;
    std::array<platform::Label *, 4> Label_aide1{}, Label_aide2{}, Label_aide3{}; // a..d
    platform::Label *Label_nom_joueur(int slot) const;
    platform::AnimatedPicture *Image(int slot) const;
    platform::Label *Label_score(int slot) const;
    platform::Label *Label_faux(int slot) const;

    // The match in play.
    platform::Label *Label_type_jeu;
    platform::Label *Label_nombre_joueurs;
    platform::Label *Label_manche;
    platform::Label *Label_Bonne_reponse;
    platform::Label *Label_timer_highscore;
    platform::Label *Label_timer_nouvelle_question;
    platform::Label *Label_type_questionnaire;
    platform::Label *Label_chemin_musique;
    platform::Label *Label_shell;
    platform::Timer *Timer_nouvelle_question;
    platform::Timer *Timer_tempello;
    platform::Label *Label_vainqueur;
    platform::Label *Label_nom_vainqueur;

    // Buttons: a label on a picture, shown and hidden together.
    platform::Image *Shape3;
    platform::Label *Debut;
    platform::Image *Shape4;
    platform::Label *Label_stop_jeu;
    platform::Image *Shape_manche_suivante;
    platform::Label *Label_manche_suivante;

    // Central panels and their backdrop.
    platform::Shape *Shape2;
    platform::PictureBox *Picture_jeu;
    platform::PictureBox *Picture_vainqueurs1;
    platform::PictureBox *Picture_vainqueurs2;
    platform::PictureBox *Picture_vainqueurs3;
    platform::Shape *Frame_boutons;
    // The controller panel and each slot's game controller (manettes.cpp).
    platform::Label *Label_joystick;
    platform::Label *Label_manette1, *Label_manette2, *Label_manette3;
    platform::Shape *Frame_manette1, *Frame_manette2, *Frame_manette3;
    platform::OptionButton *Option_joystick1, *Option_joystick1b, *Option_joystick1c; // "Oui"
    platform::OptionButton *Option_joystick2, *Option_joystick2b, *Option_joystick2c; // "Non"
    platform::ListBox *lstJoySticks, *lstJoySticksB, *lstJoySticksC;
    platform::ListBox *lstButton, *lstButtonB, *lstButtonC;
    platform::Label *Label_test1, *Label_test2, *Label_test3;
    std::array<platform::Label *, 4> Label_test1_{}, Label_test2_{}, Label_test3_{}; // 1..4
    platform::Label *Label_manette(int slot) const;
    platform::Shape *Frame_manette(int slot) const;
    platform::OptionButton *Option_oui(int slot) const;
    platform::OptionButton *Option_non(int slot) const;
    platform::ListBox *lstJoySticks_(int slot) const;
    platform::ListBox *lstButton_(int slot) const;
    platform::Label *Label_test(int slot) const;
    const std::array<platform::Label *, 4> &Label_test_(int slot) const;
    void InitDirectInput();
    void InitDirectInputB();
    void InitDirectInputC();
    void lstJoySticks_Click();
    void lstJoySticksB_Click();
    void lstJoySticksC_Click();
    void DirectXEvent8_DXCallback(int eventid);
    void Image_manette_Click();
    void Image_cacher_boutons_Click();
    void Option_joystick1_Click();
    void Option_joystick1b_Click();
    void Option_joystick1c_Click();
    void Option_joystick2_Click();
    void Option_joystick2b_Click();
    void Option_joystick2c_Click();
    void Form_Unload() override;
    // Leaving by "Retour": the three "Non" options unselected, without running a handler.
    void deselectionnerOptionsNon();
    // The controller service, once the load has listed the controllers; null after unload.
    platform::Controllers *manettes() const
    {
        return m_controleurs ? &m_controleurs->service() : nullptr;
    }

private:
    struct Manette {
        int evenement = 0; // the slot's changes come under this number; 0 = none
        std::vector<bool> etat;
    };
    void creerPanneauManettes();
    void listerManettes(int slot);
    // The three lists anew from the attached controllers, each slot's selection on the
    // controller it holds.
    void suivreManettes();
    void choisirManette(int slot);
    void boutonsManette(int slot);
    void ouiManette(int slot);
    void nonManette(int slot);
    std::array<Manette, 3> m_manettes{};
    std::unique_ptr<platform::ControllerSignals> m_controleurs;

public:
    // The question panel.
    platform::Label *Label_question_n;
    platform::Label *Numero_question;
    platform::Label *Label_question;
    std::array<platform::Label *, 4> Label_numero{};  // 1..4
    std::array<platform::Label *, 4> Label_reponse{}; // 1..4
    platform::Image *Image_question;

    // The best-score panel.
    platform::Label *Label_meilleurs_scores;
    platform::ListBox *lstScores;
    platform::CommandButton *Command_question;
    platform::CommandButton *Command1;
    platform::TextBox *txtName;
    platform::TextBox *txtScore;

    platform::Image *Image_score;
    platform::Image *Image_retour;
    platform::Image *Image_manette;
    platform::Image *Image_cacher_boutons;
    platform::Image *Tempello;
    platform::Image *Tempello_gauche;
    platform::Image *Tempello_droite;

    // The knock-out tables: a name label and an avatar per case, keyed by match code.
    platform::Label *Label_championnat2;
    platform::Label *Label_championnat3;
    platform::Image *Image_championnat4a, *Image_championnat4b, *Image_championnat4c,
        *Image_championnat4d;
    platform::Image *Image_coupe;
    platform::Image *Image_championnat3;
    // The case of `code` ("2_2".."2_31", "3B".."3M"); null for any other text.
    platform::Label *Label_vainqueur_(const QString &code) const;
    platform::AnimatedPicture *Photo_vainqueur_(const QString &code) const;

    // The best-score list, created on first use.
    HighScoreList &meilleursScores();

    // The match: its buttons and clocks (deroulement.cpp), the theme draw (tirage.cpp), the
    // question shown and its speech (question.cpp), the answer timer (tempello.cpp), the
    // answers (reponses.cpp) and the best-score entry (fin_manche.cpp).
    platform::CommandButton *SpeakItBtn;
    void Debut_Click();
    void Label_stop_jeu_Click();
    void Label_manche_suivante_Click();
    void Image_retour_Click();
    void Image_score_Click();
    void Command_question_Click();
    void Timer_nouvelle_question_Timer();
    void Timer_tempello_Timer();
    void SpeakItBtn_Click();
    void Command1_Click();
    void Label_reponse_Click(int n); // 1..4
    void Form_KeyDown(int KeyCode, int Shift) override;
    void Afficher_scores();

    // Which picture the pendulum's next tick shows.
    bool pendule_a_droite = false;
    // Counts the resets and ends of matches: work that let events run checks it has not
    // changed before it goes on (a match stopped or ended meanwhile is not resumed).
    quint64 partie() const { return m_partie; }
    void nouvellePartie() { ++m_partie; }
    // The question in play was settled (found, or everyone wrong): no answer scores again
    // until the next question is shown.
    bool questionReglee = false;
    // The voice, made on the first question spoken.
    platform::SpeechEngine &voix();

protected:
    bool focusNextPrevChild(bool next) override;

private:
    void brancher();
    void creerJoueurs();
    void creerPanneauQuestion();
    void creerMeilleursScores();
    void creerBoutons();
    void creerTableauDuels();
    void creerTableauTrois();
    void creerCase(QWidget *panel, const QString &code, const jeu_layout::Rect &where,
                   double points);

    std::map<QString, platform::Label *> m_casesNoms;
    std::map<QString, platform::AnimatedPicture *> m_casesPhotos;
    std::unique_ptr<HighScoreList> m_meilleursScores;
    std::unique_ptr<platform::SpeechEngine> m_voix;
    quint64 m_partie = 0;
};

// The game screen, created and loaded on first use.
Form_jeu &form_jeu();
