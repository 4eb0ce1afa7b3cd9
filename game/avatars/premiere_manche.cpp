#include "game/avatars/premiere_manche.h"

#include "game/avatars/form_photos.h"
#include "game/championship/championnat.h"
#include "game/championship/matchcodes.h"
#include "game/match/form_jeu.h"
#include "platform/screens.h"

using namespace platform;

namespace {
void preparerJeu(const championship::PremiereManche &premiere)
{
    // The first touch creates the game screen and runs its load before these writes.
    Form_jeu &jeu = form_jeu();
    const Form_photos &photos = form_photos();
    jeu.Label_manche->setCaption(premiere.code);
    jeu.Label_nombre_joueurs->setCaption(premiere.nombre);
    jeu.Label_type_jeu->setCaption(premiere.type);
    if (premiere.pointeurPerso) {
        for (Label *reponse : jeu.Label_reponse)
            reponse->setMousePointer(vbCustom);
    }
    for (const QString &code : premiere.casesMontrees)
        jeu.Label_vainqueur_(code)->setVisible(true);
    for (const QString &code : premiere.casesCachees)
        jeu.Label_vainqueur_(code)->setVisible(false);
    if (premiere.tableau == 2)
        jeu.Picture_vainqueurs2->setVisible(true);
    if (premiere.tableau == 3)
        jeu.Picture_vainqueurs3->setVisible(true);
    if (premiere.tableau != 0)
        jeu.Shape2->setVisible(true);
    if (premiere.cacherChampionnat4a)
        jeu.Image_championnat4a->setVisible(false);
    if (premiere.cacherChampionnat4b)
        jeu.Image_championnat4b->setVisible(false);
    for (const auto &[code, participant] : premiere.noms)
        jeu.Label_vainqueur_(code)->setCaption(photos.Text(participant)->Text());
}
} // namespace

void Demarrer_premiere_manche()
{
    const QString nombre = form_photos().Label_nombre_joueurs->Caption();
    if (const auto premiere = championship::premiereManche(nombre))
        preparerJeu(*premiere);
    const Form_jeu *prepare = Screens::ifLoaded<Form_jeu>();
    // A save that fails is told in its own message; the match starts all the same.
    Sauver_avatars();
    // That message lets pending events run: a screen closed meanwhile is not brought back
    // empty.
    if (Screens::ifLoaded<Form_photos>() == nullptr ||
        (prepare != nullptr && Screens::ifLoaded<Form_jeu>() != prepare))
        return;
    Preparer_manche();
    Form_jeu &jeu = form_jeu();
    jeu.Show();
    // The avatar screen stays beneath, covered: the keys go to the game screen.
    jeu.setFocus();
}
