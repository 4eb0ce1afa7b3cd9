#include "game/match/fin_manche.h"

#include "game/championship/championnat.h"
#include "game/match/deroulement.h"
#include "game/match/form_jeu.h"
#include "game/match/nombres.h"
#include "game/services/form_admin.h"
#include "game/services/highscorelist.h"
#include "game/setup/form_nombre_joueurs.h"

#include <limits>

using namespace platform;

namespace {
void vainqueur(int slot)
{
    switch (slot) {
    case 1: Vainqueur_joueur1(); break;
    case 2: Vainqueur_joueur2(); break;
    default: Vainqueur_joueur3(); break;
    }
    Annoncer_vainqueur();
}

void mettreDehors(Form_jeu &jeu, int slot)
{
    if (jeu.Label_score(slot)->Visible())
        jeu.Label_faux(slot)->setVisible(true);
    jeu.Label_score(slot)->setVisible(false);
    jeu.Label_score(slot)->setCaption(QStringLiteral("-1000"));
}

void finJeuSeul(Form_jeu &jeu)
{
    Form_admin &reglages = form_admin();
    if (form_nombre_joueurs().Label_score_oui_non->Caption() == QLatin1String("oui")) {
        jeu.Picture_vainqueurs1->setVisible(true);
        jeu.Command1->setValue(true);
    } else {
        if (const auto score = texteScore(
                reglages.Label_type_de_jeu->Caption(), jeu.Label_score2->Caption(),
                reglages.Text_nombre_questions->Text(), reglages.Label_points_gagnes->Caption(),
                reglages.Label_points->Caption())) {
            jeu.Label_vainqueur->setCaption(QStringLiteral("Score"));
            jeu.Label_nom_vainqueur->setCaption(*score);
        }
        jeu.Label_vainqueur->setVisible(true);
        jeu.Label_nom_vainqueur->setVisible(true);
        jeu.Label_timer_highscore->setCaption(QStringLiteral("0"));
    }
    jeu.Picture_jeu->setVisible(false);
    jeu.Timer_nouvelle_question->setEnabled(false);
    jeu.Timer_tempello->setEnabled(false);
    jeu.Label_timer_nouvelle_question->setVisible(false);
}
} // namespace

void Fin_manche(Form_jeu &jeu)
{
    // A theme draw still pending for this match must not start another question.
    jeu.nouvellePartie();
    const QString type = jeu.Label_type_jeu->Caption();
    if (type == QLatin1String("1")) {
        finJeuSeul(jeu);
        return;
    }
    std::array<qint64, 3> scores{};
    std::array<bool, 3> enJeu{};
    for (int k = 1; k <= 3; ++k) {
        scores[k - 1] = valeur(jeu.Label_score(k)->Caption());
        enJeu[k - 1] = jeu.Label_score(k)->Visible();
    }
    const auto e = evaluerManche(type, scores, enJeu);
    if (!e)
        return;
    if (e->vainqueur != 0) {
        vainqueur(e->vainqueur);
        return;
    }
    Question_subsidiaire(jeu);
    if (e->mis_dehors != 0)
        mettreDehors(jeu, e->mis_dehors);
}

void Question_subsidiaire(Form_jeu &jeu)
{
    for (int n = 0; n < 4; ++n) {
        jeu.Label_numero[n]->setVisible(false);
        jeu.Label_reponse[n]->setVisible(false);
    }
    for (QWidget *w : std::initializer_list<QWidget *>{jeu.Label_question, jeu.Image_question,
                                                       jeu.Numero_question,
                                                       jeu.Label_timer_highscore})
        w->setVisible(false);
    jeu.Label_question_n->setCaption(kQuestionSubsidiaire);
    Lancer_question(jeu);
}

void Form_jeu::Command1_Click()
{
    txtName->setText(Label_nom_joueur2->Caption());
    txtScore->setText(Label_score2->Caption());
    meilleursScores().AddHighScore(*lstScores, txtName->Text(),
                                   highscores::leadingNumber(txtScore->Text()));
    Afficher_scores();
}

std::optional<Evaluation> evaluerManche(const QString &typeJeu, const std::array<qint64, 3> &s,
                                        const std::array<bool, 3> &enJeu)
{
    if (typeJeu == QLatin1String("2")) {
        if (s[0] > s[1])
            return Evaluation{1, 0};
        if (s[1] > s[0])
            return Evaluation{2, 0};
        return Evaluation{0, 0};
    }
    if (typeJeu != QLatin1String("3"))
        return std::nullopt;
    std::array<qint64, 3> r{};
    for (int k = 0; k < 3; ++k)
        r[k] = enJeu[k] ? s[k] : std::numeric_limits<qint64>::min();
    if (r[0] > r[1] && r[0] > r[2])
        return Evaluation{1, 0};
    if (r[1] > r[0] && r[1] > r[2])
        return Evaluation{2, 0};
    if (r[2] > r[0] && r[2] > r[1])
        return Evaluation{3, 0};
    if (r[0] == r[1] && r[0] > r[2])
        return Evaluation{0, 3};
    if (r[0] == r[2] && r[0] > r[1])
        return Evaluation{0, 2};
    if (r[1] == r[2] && r[1] > r[0])
        return Evaluation{0, 1};
    return Evaluation{0, 0};
}

std::optional<QString> texteScore(const QString &typeDeJeu, const QString &score,
                                  const QString &nombreQuestions, const QString &pointsGagnes,
                                  const QString &pointsPerdus)
{
    if (typeDeJeu == QLatin1String("question")) {
        if (pointsGagnes == QLatin1String("1") && pointsPerdus == QLatin1String("0"))
            return score + u'/' + nombreQuestions;
        return score;
    }
    if (typeDeJeu == QLatin1String("temps"))
        return score;
    return std::nullopt;
}
