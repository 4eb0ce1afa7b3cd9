#include "game/match/reponses.h"

#include "game/match/form_jeu.h"

bool reponsesOuvertes(const Form_jeu &jeu)
{
    return jeu.Timer_tempello->Enabled() && !jeu.Timer_nouvelle_question->Enabled();
}

bool peutRepondre(const Form_jeu &jeu, int slot)
{
    return jeu.Label_score(slot)->Visible() && !jeu.Label_faux(slot)->Visible();
}

void decisionReponse(Form_jeu &jeu, int slot, int reponse)
{
    const QString bonne = jeu.Label_Bonne_reponse->Caption();
    if (bonne == QString::number(reponse))
        Bonne_reponse_joueur(jeu, slot);
    else if (bonne == QLatin1String("1") || bonne == QLatin1String("2") ||
             bonne == QLatin1String("3") || bonne == QLatin1String("4"))
        Mauvaise_reponse_joueur(jeu, slot);
}

// Placeholders until the scoring is built.
void Bonne_reponse_joueur(Form_jeu &, int) {}
void Mauvaise_reponse_joueur(Form_jeu &, int) {}
