#include "game/avatars/form_photos.h"

#include "game/avatars/premiere_manche.h"
#include "platform/screens.h"

using namespace platform;

Form_photos::Form_photos()
    : Form(QString::fromLatin1(formName)),
      Label_nombre_joueurs(new Label(this, "Label_nombre_joueurs")),
      Image_suivant(new Image(this, "Image_suivant"))
{
    Label_nombre_joueurs->setVisible(false);
    for (int p = 1; p <= kSlots; ++p) {
        m_text[p - 1] = new TextBox(this, QStringLiteral("Text%1").arg(p),
                                    QStringLiteral("Joueur %1").arg(p));
        m_cheminImage[p - 1] = new Label(this, QStringLiteral("Label_chemin_image%1").arg(p));
        m_cheminImage[p - 1]->setVisible(false);
    }
    connect(Image_suivant, &Image::Click, this, &Form_photos::Image_suivant_Click);
}

void Form_photos::Image_suivant_Click()
{
    Demarrer_premiere_manche();
}

Form_photos &form_photos()
{
    return Screens::get<Form_photos>();
}
