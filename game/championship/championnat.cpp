#include "game/championship/championnat.h"

#include "game/avatars/form_photos.h"
#include "game/championship/matchcodes.h"
#include "game/match/form_jeu.h"

using championship::Placement;

void Preparer_manche()
{
    Form_jeu &jeu = form_jeu();
    const auto placements = championship::joueursDeLaManche(jeu.Label_nombre_joueurs->Caption(),
                                                            jeu.Label_manche->Caption());
    if (!placements)
        return;
    for (const Placement &p : *placements) {
        QString chemin;
        QString nom;
        if (p.source.participant > 0) {
            Form_photos &photos = form_photos();
            chemin = photos.Label_chemin_image(p.source.participant)->Caption();
            nom = photos.Text(p.source.participant)->Text();
        } else {
            chemin = jeu.Photo_vainqueur_(p.source.caseCode)->CheminImage();
            nom = jeu.Label_vainqueur_(p.source.caseCode)->Caption();
        }
        // The picture first, then the name, as the slot shows them.
        jeu.Image(p.slot)->setCheminImage(chemin);
        jeu.Label_nom_joueur(p.slot)->setCaption(nom);
    }
}

namespace {
void vainqueur(int slot)
{
    Form_jeu &jeu = form_jeu();
    const QString nom = jeu.Label_nom_joueur(slot)->Caption();
    jeu.Label_nom_vainqueur->setCaption(nom);
    const QString code = jeu.Label_manche->Caption();
    if (!championship::caseDuVainqueur(jeu.Label_nombre_joueurs->Caption(), code))
        return;
    jeu.Photo_vainqueur_(code)->setCheminImage(jeu.Image(slot)->CheminImage());
    jeu.Label_vainqueur_(code)->setCaption(nom);
}
} // namespace

void Vainqueur_joueur1()
{
    vainqueur(1);
}

void Vainqueur_joueur2()
{
    vainqueur(2);
}

void Vainqueur_joueur3()
{
    vainqueur(3);
}

void Annoncer_vainqueur()
{
    Form_jeu &jeu = form_jeu();
    for (int slot = 1; slot <= 3; ++slot)
        jeu.Label_faux(slot)->setVisible(false);
    jeu.Timer_nouvelle_question->setEnabled(false);
    jeu.Timer_tempello->setEnabled(false);
    jeu.Label_timer_nouvelle_question->setVisible(false);
    jeu.Picture_jeu->setVisible(false);
    jeu.Label_vainqueur->setVisible(true);
    jeu.Label_vainqueur->setCaption(QStringLiteral("Le vainqueur est"));
    jeu.Label_nom_vainqueur->setVisible(true);
    jeu.Debut->setVisible(false);
    jeu.Shape3->setVisible(false);

    const championship::Annonce annonce = championship::annonceApres(jeu.Label_manche->Caption());
    if (annonce.mancheSuivante) {
        jeu.Label_manche_suivante->setVisible(true);
        jeu.Shape_manche_suivante->setVisible(true);
        jeu.Label_stop_jeu->setVisible(false);
        jeu.Shape4->setVisible(false);
    }
    jeu.Label_manche->setCaption(annonce.codeApres);
    if (annonce.debut) {
        jeu.Debut->setVisible(true);
        jeu.Shape3->setVisible(true);
    }
}
