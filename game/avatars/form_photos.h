// The avatar screen: each participant's name and animated picture.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <array>

class Form_photos : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char *formName = "Form_photos";
    static constexpr int kSlots = 32;
    Form_photos();

    // Slot p, 1 to 32: name box TextN, hidden path label Label_chemin_imageN.
    platform::TextBox *Text(int p) const { return m_text.at(p - 1); }
    platform::Label *Label_chemin_image(int p) const { return m_cheminImage.at(p - 1); }

    // The participant count of the chosen game, as text.
    platform::Label *Label_nombre_joueurs;
    platform::Image *Image_suivant;
    void Image_suivant_Click();

private:
    std::array<platform::TextBox *, kSlots> m_text{};
    std::array<platform::Label *, kSlots> m_cheminImage{};
};

Form_photos &form_photos();
