// The full-screen black background behind the game's screens, which are shown inside it.
#pragma once

#include "platform/form.h"

class Form_fond : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char *formName = "Form_fond";
    Form_fond();

    // Covers the whole screen: the window system may not do it for us.
    void afficherPleinEcran();

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
};

Form_fond &form_fond();
