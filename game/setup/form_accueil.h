// The welcome screen, the game's start: background and picture, then, once they are drawn,
// settings, lock keys and welcome sound; then a countdown that loads the avatar screen and
// shows the game choice.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <QSize>

class Form_accueil : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char *formName = "Form_accueil";
    Form_accueil();

    void Form_Load() override;

    platform::Timer *Timer1;
    platform::Label *Label_timer;
    // Shown behind the score window while it is open.
    platform::Shape *Shape_score;

    void Timer1_Timer();

    // Whether the settings, the lock keys and the welcome sound wait for the first frame.
    bool suiteEnAttente() const { return m_suiteEnAttente; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void finirChargement();
    void jouerSonAccueil();
    bool m_suiteEnAttente = false;
};

Form_accueil &form_accueil();

// The screen size in pixels.
QSize Resolution_ecran();

// Num Lock on, Caps Lock and Scroll Lock off; a key already as wanted is left alone.
void Numlock();

// The game's own pictures, from the program's file; a null picture when it is missing.
QPixmap imageDuJeu(const QString &nom);
