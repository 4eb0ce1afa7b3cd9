// The avatar screen: each participant's name and picture, kept in avatars.tpq.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>

class Form_photos : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char *formName = "Form_photos";
    static constexpr int kSlots = 32;
    Form_photos();

    void Form_Load() override;

    // Slot p, 1 to 32: name box TextN, hidden path label Label_chemin_imageN, number card
    // Label_photoN and picture Image_photoN, the last three inside Picture_photos.
    platform::TextBox *Text(int p) const { return m_text.at(p - 1); }
    platform::Label *Label_chemin_image(int p) const { return m_cheminImage.at(p - 1); }
    platform::Label *Label_photo(int p) const { return m_photo.at(p - 1); }
    platform::Image *Image_photo(int p) const { return m_image.at(p - 1); }

    platform::PictureBox *Picture_photos;
    platform::Label *Label_titre;
    // The views of the picture dialog, out of sight; the selection is the view used.
    platform::ListBox *List1;
    // The participant count of the chosen game, as text.
    platform::Label *Label_nombre_joueurs;
    platform::Image *Image_suivant;
    platform::Image *Image_retour;

    void Image_suivant_Click();
    void Image_retour_Click();
    void Image_photo_Click(int p);
    void List1_Click();

    // The view command that the next picture dialogs open in.
    void DefinirVueFichiers(int commande) { m_vueFichiers = commande; }

    // Pictures are decoded only for the slots shown: this brings them up to date with the
    // path labels. It runs whenever the screen is shown.
    void afficherImages();

    // Slot p's name as given by code (the participants file), kept whole.
    void ecrireNom(int p, const QString &nom);

    // The file picker; tests put theirs in place of the dialog.
    using ChoixFichier =
        std::function<std::optional<QString>(QWidget *parent, const QString &dossier, int vue)>;
    void setChoixFichier(ChoixFichier choix) { m_choixFichier = std::move(choix); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::array<platform::TextBox *, kSlots> m_text{};
    std::array<platform::Label *, kSlots> m_cheminImage{};
    std::array<platform::Label *, kSlots> m_photo{};
    std::array<platform::Image *, kSlots> m_image{};
    // The path whose picture each slot shows, so that it is decoded once.
    std::array<std::optional<QString>, kSlots> m_imageAffichee{};
    int m_vueFichiers = 0;
    ChoixFichier m_choixFichier;
};

Form_photos &form_photos();

// Writes avatars.tpq from the 32 slots; a failure is told in an "Erreur" box.
void Sauver_avatars();
