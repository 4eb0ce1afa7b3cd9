#include "game/match/reponses.h"

#include "game/match/deroulement.h"
#include "game/match/form_jeu.h"
#include "game/match/nombres.h"
#include "game/services/form_admin.h"
#include "game/services/form_bruitage.h"
#include "platform/virtualkeys.h"

using namespace platform;

bool reponsesOuvertes(const Form_jeu &jeu)
{
    return jeu.Timer_tempello->Enabled() && !jeu.Timer_nouvelle_question->Enabled() &&
           !jeu.questionReglee;
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

void Bonne_reponse_joueur(Form_jeu &jeu, int slot)
{
    Form_admin &reglages = form_admin();
    if (reglages.Label_bruitage_vrai->Caption() != QLatin1String("non"))
        form_bruitage().Command_vrai->setValue(true);
    const qint64 points = pointsDuReglage(reglages.Label_points_gagnes->Caption(),
                                          jeu.Label_timer_highscore->Caption());
    Label *score = jeu.Label_score(slot);
    score->setCaption(texte(valeur(score->Caption()) + points));
    const qint64 bonne = valeur(jeu.Label_Bonne_reponse->Caption());
    for (int n = 1; n <= 4; ++n) {
        if (bonne == n)
            jeu.Label_reponse[n - 1]->setForeColor(couleurJoueur(slot));
    }
    jeu.Image(slot)->setAnimation(true);
    Fin_question(jeu);
}

void Mauvaise_reponse_joueur(Form_jeu &jeu, int slot)
{
    const qint64 points = pointsDuReglage(form_admin().Label_points->Caption(),
                                          jeu.Label_timer_highscore->Caption());
    Label *score = jeu.Label_score(slot);
    score->setCaption(texte(valeur(score->Caption()) - points));
    jeu.Label_faux(slot)->setVisible(true);
    Verifier_mauvaises_reponses(jeu);
}

void Verifier_mauvaises_reponses(Form_jeu &jeu)
{
    Form_admin &reglages = form_admin();
    if (sonMauvaiseReponse(reglages.Label_type_de_jeu->Caption(),
                           reglages.Label_bruitage_faux->Caption()))
        form_bruitage().Command_faux->setValue(true);
    std::array<bool, 3> faux{}, present{};
    for (int k = 1; k <= 3; ++k) {
        faux[k - 1] = jeu.Label_faux(k)->Visible();
        present[k - 1] = jeu.Label_score(k)->Visible();
    }
    if (tousFaux(jeu.Label_type_jeu->Caption(), faux, present))
        Fin_question(jeu);
}

void Fin_question(Form_jeu &jeu)
{
    if (form_admin().Label_type_de_jeu->Caption() == QLatin1String("question") ||
        jeu.Label_question_n->Caption() == kQuestionSubsidiaire)
        jeu.Timer_tempello->setEnabled(false);
    const qint64 bonne = valeur(jeu.Label_Bonne_reponse->Caption());
    for (int n = 1; n <= 4; ++n) {
        Label *reponse = jeu.Label_reponse[n - 1];
        if (bonne == n && reponse->ForeColor() == 0)
            reponse->setForeColor(kCouleurNonTrouvee);
    }
    jeu.Label_timer_nouvelle_question->setCaption(QStringLiteral("3"));
    // In the last seconds of a "temps" game the question stays on screen with the clock
    // running: it has been settled and scores no more.
    jeu.questionReglee = true;
    Question_suivante_ou_fin(jeu);
}

void Form_jeu::Form_KeyDown(int KeyCode, int)
{
    if (!reponsesOuvertes(*this))
        return;
    const auto touche = routageTouche(Label_type_jeu->Caption(), KeyCode);
    if (touche && peutRepondre(*this, touche->slot))
        decisionReponse(*this, touche->slot, touche->reponse);
}

void Form_jeu::Label_reponse_Click(int n)
{
    if (reponsesOuvertes(*this) && peutRepondre(*this, 2) && valeur(Label_type_jeu->Caption()) == 1)
        decisionReponse(*this, 2, n);
}

qint64 pointsDuReglage(const QString &reglage, const QString &tempsRestant)
{
    return valeur(reglage == QLatin1String("temps") ? tempsRestant : reglage);
}

std::uint32_t couleurJoueur(int slot)
{
    static constexpr std::uint32_t couleurs[3] = {0xFF0000, 0xFF, 0xC000};
    return couleurs[slot - 1];
}

bool tousFaux(const QString &typeJeu, const std::array<bool, 3> &f,
              const std::array<bool, 3> &p)
{
    if (typeJeu == QLatin1String("3"))
        return (f[0] && f[1] && f[2]) || (f[1] && f[2] && !p[0]) || (f[0] && f[2] && !p[1]) ||
               (f[0] && f[1] && !p[2]);
    if (typeJeu == QLatin1String("2"))
        return f[0] && f[1];
    return typeJeu == QLatin1String("1");
}

bool sonMauvaiseReponse(const QString &typeDeJeu, const QString &bruitageFaux)
{
    return typeDeJeu == QLatin1String("question") && bruitageFaux != QLatin1String("non");
}

std::optional<Touche> routageTouche(const QString &typeJeu, int keyCode)
{
    const qint64 type = valeur(typeJeu);
    const int f = keyCode - vbKeyF1 + 1;     // F1..F4
    const int lettre = keyCode - vbKeyJ + 1; // J K L M
    const int pave = keyCode - vbKeyNumpad0; // keypad 1..4
    if (type != 1 && f >= 1 && f <= 4)
        return Touche{1, f};
    if (typeJeu == QLatin1String("3") && lettre >= 1 && lettre <= 4)
        return Touche{2, lettre};
    if ((typeJeu == QLatin1String("2") || typeJeu == QLatin1String("1")) && pave >= 1 && pave <= 4)
        return Touche{2, pave};
    if (type == 3 && pave >= 1 && pave <= 4)
        return Touche{3, pave};
    return std::nullopt;
}
