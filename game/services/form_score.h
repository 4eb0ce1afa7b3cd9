// The best-score window: the 15 best scores of one score game, opened modal from the
// game-choice screen and closed back to it.
#pragma once

#include "game/services/highscorelist.h"
#include "platform/controls.h"
#include "platform/form.h"

#include <memory>

class Form_score : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char *formName = "Form_score";
    Form_score();
    ~Form_score() override;

    // Places the window beside the game-choice screen and fills the list of the current
    // game type.
    void Form_Load() override;

    platform::ListBox *lstScores;
    platform::Label *Label1;
    platform::Image *Image_retour;
    platform::PictureBox *Picture_vainqueurs1;
    platform::PictureBox *Picture1;
    platform::PictureBox *Picture2;
    platform::PictureBox *Picture3;
    platform::PictureBox *Picture4;
    platform::Image *Image4;

    void Image_retour_Click();

    // The window's own list object, created on first use.
    HighScoreList &scoreList();

protected:
    // Leaving the window by any means is leaving it by "Retour".
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::unique_ptr<HighScoreList> m_scoreList;
    bool m_leaving = false;
};

Form_score &form_score();

// Makes the window reachable by its name.
void registerForm_score();
