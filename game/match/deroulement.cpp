#include "game/match/deroulement.h"

#include "datafiles/settingsfiles.h"
#include "game/championship/championnat.h"
#include "game/match/fin_manche.h"
#include "game/match/form_jeu.h"
#include "game/match/nombres.h"
#include "game/services/form_admin.h"
#include "game/services/form_bruitage.h"
#include "platform/programfolder.h"
#include "platform/screens.h"

#include <QPointer>

using namespace platform;

namespace {
// Events ran meanwhile: the screen is still the one in play and its match was neither stopped,
// restarted nor ended.
bool toujoursEnJeu(const QPointer<Form_jeu> &jeu, quint64 partie)
{
    return jeu && Screens::ifLoaded<Form_jeu>() == jeu && jeu->partie() == partie;
}
} // namespace

void Initialiser_manche(Form_jeu &jeu)
{
    jeu.nouvellePartie();
    for (int k = 1; k <= 3; ++k)
        jeu.Label_faux(k)->setVisible(false);
    jeu.Label_question_n->setCaption(kQuestionN);
    jeu.Numero_question->setVisible(true);
    jeu.Timer_tempello->setEnabled(false);
    Form_admin &reglages = form_admin();
    jeu.Label_timer_highscore->setCaption(reglages.Label_type_de_jeu->Caption() ==
                                                  QLatin1String("question")
                                              ? QStringLiteral("30")
                                              : reglages.Text_nombre_secondes->Text());
    for (int k = 1; k <= 3; ++k)
        jeu.Label_score(k)->setCaption(QStringLiteral("0"));
    const qint64 type = valeur(jeu.Label_type_jeu->Caption());
    if (type == 2)
        jeu.Label_score1->setVisible(true);
    jeu.Label_score2->setVisible(true);
    if (type == 3) {
        jeu.Label_score1->setVisible(true);
        jeu.Label_score3->setVisible(true);
    }
    for (QWidget *w : std::initializer_list<QWidget *>{
             jeu.Label_vainqueur, jeu.Label_nom_vainqueur, jeu.Picture_vainqueurs1,
             jeu.Picture_vainqueurs2, jeu.Picture_vainqueurs3})
        w->setVisible(false);
    jeu.Label_timer_nouvelle_question->setVisible(true);
    jeu.Numero_question->setCaption(QStringLiteral("0"));
    jeu.Picture_jeu->setVisible(false);

    // A missing or unreadable file counts as random order and is written anew; a file that
    // cannot be written is left for the next match: the game goes on.
    const QString ordre = programPath(datafiles::kFichierOrdre);
    (void)datafiles::ecrireOrdreJeu(ordre, datafiles::lireOrdre(ordre));
}

void Debut_partie(Form_jeu &jeu)
{
    jeu.Label_timer_highscore->setVisible(true);
    jeu.Label_timer_nouvelle_question->setCaption(QStringLiteral("3"));
    jeu.Timer_nouvelle_question->setEnabled(true);
    jeu.Command_question->setValue(true);
}

void Lancer_question(Form_jeu &jeu)
{
    const QPointer<Form_jeu> garde(&jeu);
    const quint64 partie = jeu.partie();
    jeu.Command_question->setValue(true);
    if (toujoursEnJeu(garde, partie))
        jeu.Timer_nouvelle_question->setEnabled(true);
}

void Question_suivante_ou_fin(Form_jeu &jeu)
{
    Form_admin &reglages = form_admin();
    const DecisionSuite d =
        decisionSuite(reglages.Label_type_de_jeu->Caption(), reglages.Text_nombre_questions->Text(),
                      jeu.Numero_question->Caption(), jeu.Label_timer_highscore->Caption(),
                      jeu.Label_question_n->Caption() == kQuestionSubsidiaire);
    if (d.trenteSecondes)
        jeu.Label_timer_highscore->setCaption(QStringLiteral("30"));
    if (d.suite == Suite::FinManche)
        Fin_manche(jeu);
    else if (d.suite == Suite::QuestionSuivante)
        Lancer_question(jeu);
}

void Form_jeu::Debut_Click()
{
    Shape2->setVisible(true);
    Shape4->setVisible(true);
    Frame_boutons->setVisible(false);
    Label_stop_jeu->setVisible(true);
    form_bruitage().Command_stop->setValue(true);
    Initialiser_manche(*this);
    Debut_partie(*this);
}

void Form_jeu::Label_stop_jeu_Click()
{
    Debut->setVisible(true);
    Shape3->setVisible(true);
    Label_manche_suivante->setVisible(false);
    Shape_manche_suivante->setVisible(false);
    form_bruitage().Command_stop->setValue(true);
    Initialiser_manche(*this);
    Frame_boutons->setVisible(false);
    Shape2->setVisible(false);
    Label_timer_nouvelle_question->setVisible(false);
    Timer_tempello->setEnabled(false);
    Timer_nouvelle_question->setEnabled(false);
}

void Form_jeu::Label_manche_suivante_Click()
{
    Initialiser_manche(*this);
    if (Label_type_jeu->Caption() == QLatin1String("2"))
        Picture_vainqueurs2->setVisible(true);
    else if (Label_type_jeu->Caption() == QLatin1String("3"))
        Picture_vainqueurs3->setVisible(true);
    Label_manche_suivante->setVisible(false);
    Shape_manche_suivante->setVisible(false);
    Preparer_manche();
    Debut->setVisible(true);
    Shape3->setVisible(true);
}

void Form_jeu::Image_retour_Click()
{
    deselectionnerOptionsNon();
    const QPointer<Form_jeu> garde(this);
    DoEvents();
    // A new game chosen meanwhile has its own screen: that one stays.
    if (garde && Screens::ifLoaded<Form_jeu>() == garde)
        Screens::unload<Form_jeu>();
}

void Form_jeu::Image_score_Click()
{
    if (!Timer_tempello->Enabled() && !Timer_nouvelle_question->Enabled())
        Afficher_scores();
}

DecisionSuite decisionSuite(const QString &typeDeJeu, const QString &nombreQuestions,
                            const QString &numeroQuestion, const QString &tempsRestant,
                            bool subsidiaire)
{
    const auto queue = [](qint64 t, bool trente) {
        return DecisionSuite{t > 4 ? Suite::QuestionSuivante : Suite::Attendre, trente};
    };
    if (typeDeJeu == QLatin1String("question")) {
        if (valeur(nombreQuestions) - 1 < valeur(numeroQuestion))
            return {Suite::FinManche, false};
        return queue(30, true);
    }
    if (typeDeJeu == QLatin1String("temps")) {
        if (subsidiaire)
            return {Suite::FinManche, false};
        const qint64 t = valeur(tempsRestant);
        if (t <= 0)
            return {Suite::FinManche, true};
        return queue(t, false);
    }
    return {};
}
