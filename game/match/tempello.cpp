// The answer timer: each tick swings the pendulum, may tick-tock, takes a second off and, at
// zero, marks (and in "question" games charges) every player still waiting to answer.
#include "game/match/form_jeu.h"
#include "game/match/nombres.h"
#include "game/match/reponses.h"
#include "game/services/form_admin.h"
#include "game/services/form_bruitage.h"

void Form_jeu::Timer_tempello_Timer()
{
    Tempello->setPicture(pendule_a_droite ? Tempello_droite->Picture()
                                          : Tempello_gauche->Picture());
    pendule_a_droite = !pendule_a_droite;
    Form_admin &reglages = form_admin();
    if (reglages.Check_tictac->Value() == 1)
        form_bruitage().Command_tictac->setValue(true);
    qint64 reste = valeur(Label_timer_highscore->Caption());
    if (reste > 0) {
        reste -= 1;
        Label_timer_highscore->setCaption(texte(reste));
    }
    if (reste != 0)
        return;
    const bool question = reglages.Label_type_de_jeu->Caption() == QLatin1String("question");
    for (int k = 1; k <= 3; ++k) {
        if (!Label_nom_joueur(k)->Visible() || Label_faux(k)->Visible())
            continue;
        if (question) {
            const qint64 perdus =
                pointsDuReglage(reglages.Label_points->Caption(), Label_timer_highscore->Caption());
            Label_score(k)->setCaption(texte(valeur(Label_score(k)->Caption()) - perdus));
        }
        Label_faux(k)->setVisible(true);
    }
    Verifier_mauvaises_reponses(*this);
}
