// The quiz on the game screen, driven by its buttons, timer ticks and real key events: the
// theme draw, the question shown, the answer timer, the answers, the end of a question and
// of a match, and the faults the game guards against.
#include "partietest.h"

#include "game/match/deroulement.h"
#include "game/match/fin_manche.h"
#include "game/match/reponses.h"
#include "game/setup/form_nombre_joueurs.h"
#include "platform/controls.h"
#include "platform/programfolder.h"
#include "platform/screens.h"

#include <QDir>
#include <QImage>

using platform::Screens;

namespace {
// The draw of source k or level j, as the random source gives it.
double k(int n)
{
    return (n - 0.5) / 14;
}
double niveau(int n)
{
    return (n - 0.5) / 7;
}
} // namespace

class Partie : public PartieTest {
protected:
    const QByteArray kQuestion = question("Quelle note ?", {"Do", "Ré", "Mi", "Fa"}, "2");
    // A game of `count` participants whose question is on screen, answers open.
    Form_jeu &enJeu(const QString &count, Reglages r = {}, std::optional<QByteArray> q = {})
    {
        Form_jeu &j = ouvrir(count);
        regler(r);
        questions({q.value_or(kQuestion)});
        j.Debut_Click();
        compteARebours();
        return j;
    }
    QString score(int slot) { return jeu().Label_score(slot)->Caption(); }
    bool faux(int slot) { return jeu().Label_faux(slot)->isVisibleTo(&jeu()); }
};

TEST_F(Partie, TheDrawRetriesUntilASourceThatIsOnAndStartsItsProgram)
{
    Form_jeu &j = ouvrir("1");
    regler({.themes = {"grave4"}});
    m_started.clear();
    // compos (off), the bass clef with level 3 (off), then the bass clef with level 4.
    m_tirages = {k(1), k(6), niveau(3), k(6), niveau(4)};
    j.Command_question->setValue(true);
    ASSERT_EQ(m_started.size(), 1u);
    EXPECT_EQ(m_started[0], platform::questionProgramPath("grave4"));
    EXPECT_EQ(j.Label_type_questionnaire->Caption(), "grave");
    EXPECT_EQ(j.Label_shell->Caption(), "grave4");

    m_tirages = {k(12)};
    regler({.themes = {"fichier_texte5"}});
    j.Command_question->setValue(true);
    EXPECT_EQ(j.Label_type_questionnaire->Caption(), "fichier_texte");
    EXPECT_EQ(j.Label_shell->Caption(), "texte");
}

TEST_F(Partie, WithNoSourceTheGameGoesBackToTheChoiceAndStartsTheTool)
{
    Form_jeu &j = ouvrir("1");
    regler({.themes = {}});
    m_started.clear();
    j.Debut_Click();
    EXPECT_EQ(m_messages,
              QStringList{"Erreur: Impossible de jouer! Vous devez installer les questions"});
    ASSERT_EQ(m_started.size(), 1u);
    EXPECT_TRUE(m_started[0].endsWith("/Tempelgestion"));
    EXPECT_EQ(Screens::ifLoaded<Form_jeu>(), nullptr);
    EXPECT_TRUE(!form_nombre_joueurs().isHidden());
}

TEST_F(Partie, ADrawInterruptedByStopReturnOrTheEndStartsNothingMore)
{
    for (const char *bouton : {"stop", "retour", "debut", "fin"}) {
        SCOPED_TRACE(bouton);
        Form_jeu &j = ouvrir("2");
        regler({.themes = {"visages"}});
        m_started.clear();
        m_tirages = {k(1), k(2)}; // the first try fails: events run before the second
        bool fait = false;
        platform::setDoEventsHook([&] {
            if (fait)
                return;
            fait = true;
            if (bouton == std::string("stop"))
                jeu().Label_stop_jeu_Click();
            else if (bouton == std::string("retour"))
                jeu().Image_retour_Click();
            else if (bouton == std::string("debut"))
                jeu().Debut_Click();
            else {
                jeu().Label_score1->setCaption("1"); // a winner: no tie-break
                Fin_manche(jeu());
            }
        });
        Lancer_question(j);
        platform::setDoEventsHook([] {});
        if (Form_jeu *reste = Screens::ifLoaded<Form_jeu>()) {
            // "Debut" started its own draw and countdown; the stopped one adds nothing.
            const bool debut = bouton == std::string("debut");
            EXPECT_EQ(reste->Timer_nouvelle_question->Enabled(), debut);
            EXPECT_EQ(m_started.size(), debut ? 1u : 0u);
        } else {
            EXPECT_EQ(std::string(bouton), "retour");
        }
        Screens::unloadAll();
    }
}

TEST_F(Partie, TheThirdTickShowsTheQuestionAndOpensTheAnswers)
{
    Form_jeu &j = ouvrir("2");
    regler({});
    questions({question("Combien ?", {QString(86, u'a'), QString(85, u'b'), "", ""}, "1")});
    j.Image1->setAnimation(true);
    j.Debut_Click();
    EXPECT_EQ(readFile("random.tpq"), QByteArray(" 0  1 \r\n")); // missing: written anew
    emit j.Timer_nouvelle_question->Tick();
    emit j.Timer_nouvelle_question->Tick();
    EXPECT_FALSE(j.Picture_jeu->Visible());
    EXPECT_FALSE(reponsesOuvertes(j));
    emit j.Timer_nouvelle_question->Tick();
    EXPECT_TRUE(j.Picture_jeu->Visible());
    EXPECT_TRUE(reponsesOuvertes(j));
    EXPECT_EQ(j.Label_question->Caption(), "Combien ?");
    EXPECT_EQ(j.Label_Bonne_reponse->Caption(), "1");
    EXPECT_EQ(j.Numero_question->Caption(), "1");
    EXPECT_EQ(j.Label_timer_highscore->Caption(), "30");
    EXPECT_FALSE(j.Image1->Animation());
    const int hauteurs[4] = {615, 285, 285, 285};
    for (int n = 0; n < 4; ++n) {
        EXPECT_EQ(j.Label_reponse[n]->Height(), hauteurs[n]) << n;
        EXPECT_TRUE(j.Label_reponse[n]->Visible()) << n;
        EXPECT_EQ(j.Label_reponse[n]->ForeColor(), 0u) << n;
        EXPECT_EQ(j.Label_numero[n]->Visible(), n < 2) << n;
    }
    EXPECT_FALSE(j.Image_question->Picture().isNull()); // the default picture
}

TEST_F(Partie, PicturesAndSoundsOfATextSourceComeFromTheirFolders)
{
    QDir(m_folder.path()).mkpath("images/notes");
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(path("images/notes/do.png")));
    QDir(m_folder.path()).mkpath("audio");
    writeFile("audio/do.mp3", "ID3");
    Form_jeu &j = ouvrir("1");
    regler({.themes = {"fichier_texte"}});
    m_tirages = {k(8)};
    questions({question("Q ?", {"A", "B"}, "1", "notes\\do.png", "do.mp3")});
    j.Debut_Click();
    compteARebours();
    EXPECT_EQ(j.Image_question->Picture().size(), QSize(30, 20));
    EXPECT_EQ(j.Label_chemin_musique->Caption(), path("audio/do.mp3"));
    EXPECT_TRUE(m_audio->calls.contains("open " + path("audio/do.mp3")));

    // A path out of the folder, and a pack whose resource file is missing: the default.
    questions({question("Q ?", {"A", "B"}, "1", "..\\..\\do.png", "../x.mp3")});
    j.Debut_Click();
    compteARebours();
    EXPECT_NE(j.Image_question->Picture().size(), QSize(30, 20));
    EXPECT_EQ(j.Label_chemin_musique->Caption(), "");
    regler({});
    questions({question("Q ?", {"A", "B"}, "1", "101", "x.mp3", "absent.rcc")});
    j.Debut_Click();
    compteARebours();
    EXPECT_FALSE(j.Image_question->Picture().isNull());
    EXPECT_EQ(j.Label_chemin_musique->Caption(), path("x.mp3"));

    // A pack's relative sound is found in the program folder, whatever the working folder.
    QDir(m_folder.path()).mkpath("ecoutes");
    writeFile("ecoutes/gamme.wav", "RIFF....WAVEfmt ");
    questions({question("Q ?", {"A", "B"}, "1", "101", "ecoutes\\gamme.wav", "absent.rcc")});
    j.Debut_Click();
    compteARebours();
    EXPECT_TRUE(m_audio->calls.contains("open " + path("ecoutes/gamme.wav")));
}

TEST_F(Partie, AMissingQuestionFileShowsNothingAndOnlyTheTimeOutEndsIt)
{
    Form_jeu &j = ouvrir("1");
    regler({});
    j.Debut_Click();
    compteARebours();
    EXPECT_TRUE(j.Picture_jeu->Visible());
    EXPECT_EQ(j.Label_question->Caption(), "");
    touche(Qt::Key_1, Qt::KeypadModifier);
    EXPECT_EQ(score(2), "0");
    EXPECT_FALSE(faux(2));
    for (int s = 0; s < 30; ++s)
        seconde();
    EXPECT_TRUE(faux(2));
    EXPECT_TRUE(j.Timer_nouvelle_question->Enabled()); // the next question comes
}

TEST_F(Partie, TheQuestionIsSpokenAndAFailingVoiceDoesNotHoldItUp)
{
    Form_jeu &j = enJeu("1", {.speech = true});
    EXPECT_EQ(m_voix->spoken, QStringList{"Quelle note "});
    EXPECT_TRUE(m_messages.isEmpty());
    m_voix->fail = true;
    j.Debut_Click();
    compteARebours();
    EXPECT_EQ(m_messages, QStringList{": Speak Error!"});
    EXPECT_TRUE(reponsesOuvertes(j));
}

TEST_F(Partie, TheTimeOutMarksAndChargesOnlyThePlayersStillWaiting)
{
    Form_jeu &j = enJeu("3", {.perdus = "10", .tictac = true});
    j.Label_score1->setCaption("20");
    j.Label_score2->setCaption("5");
    j.Label_faux2->setVisible(true);
    j.Label_score3->setCaption("0");
    j.Label_timer_highscore->setCaption("2");
    m_sons->played.clear();
    emit j.Timer_tempello->Tick();
    EXPECT_EQ(j.Tempello->Picture().toImage(), j.Tempello_gauche->Picture().toImage());
    EXPECT_EQ(score(1), "20");
    emit j.Timer_tempello->Tick();
    EXPECT_EQ(j.Tempello->Picture().toImage(), j.Tempello_droite->Picture().toImage());
    EXPECT_EQ(j.Label_timer_highscore->Caption(), "30"); // the next question's
    EXPECT_EQ(score(1), "10");
    EXPECT_EQ(score(2), "5");
    EXPECT_EQ(score(3), "-10");
    EXPECT_TRUE(faux(1) && faux(2) && faux(3));
    // Two tick-tocks and one wrong-answer sound.
    EXPECT_EQ(m_sons->played.size(), 3);
}

TEST_F(Partie, ATimeOutInATimedGameCostsNothing)
{
    Form_jeu &j = enJeu("2", {.type = "temps", .secondes = "60", .perdus = "10"});
    j.Label_timer_highscore->setCaption("1");
    m_sons->played.clear();
    emit j.Timer_tempello->Tick();
    EXPECT_EQ(score(1), "0");
    EXPECT_EQ(score(2), "0");
    EXPECT_TRUE(m_sons->played.isEmpty());
    EXPECT_FALSE(j.Label_nom_vainqueur->Visible());
    EXPECT_EQ(j.Label_question_n->Caption(), kQuestionSubsidiaire);
}

// Real key events into the list box, per game type: who scores, who is marked.
struct Appui {
    const char *count;
    int key;
    Qt::KeyboardModifiers modifiers;
    int slot;   // 0: nobody
    bool bonne; // the right answer is "2"
};

TEST_F(Partie, KeysAnswerForTheirSlotInEachGameType)
{
    const Appui appuis[] = {
        {"1", Qt::Key_2, Qt::KeypadModifier, 2, true},
        {"1", Qt::Key_3, Qt::KeypadModifier, 2, false},
        {"1", Qt::Key_F2, {}, 0, false},
        {"1", Qt::Key_2, {}, 0, false},
        {"2", Qt::Key_F2, {}, 1, true},
        {"2", Qt::Key_3, Qt::KeypadModifier, 2, false},
        {"2", Qt::Key_J, {}, 0, false},
        {"3", Qt::Key_F1, {}, 1, false},
        {"3", Qt::Key_K, {}, 2, true},
        {"3", Qt::Key_K, Qt::ShiftModifier, 2, true},
        {"3", Qt::Key_2, Qt::KeypadModifier, 3, true},
        {"3", Qt::Key_2, {}, 0, false},
    };
    for (const Appui &a : appuis) {
        SCOPED_TRACE(QString("%1 joueurs, touche %2").arg(a.count).arg(a.key).toStdString());
        Form_jeu &j = enJeu(a.count, {.perdus = "3", .gagnes = "5"});
        touche(a.key, a.modifiers);
        for (int slot = 1; slot <= 3; ++slot) {
            if (!j.Label_score(slot)->Visible())
                continue;
            const QString attendu = slot != a.slot ? "0" : (a.bonne ? "5" : "-3");
            EXPECT_EQ(score(slot), attendu) << slot;
            EXPECT_EQ(faux(slot), slot == a.slot && !a.bonne) << slot;
        }
        if (a.bonne) {
            EXPECT_EQ(j.Label_reponse[1]->ForeColor(), couleurJoueur(a.slot));
        }
        Screens::unloadAll();
    }
}

TEST_F(Partie, KeysAreIgnoredOutsideTheAnswerWindowAndForMarkedSlots)
{
    Form_jeu &j = ouvrir("2");
    regler({.perdus = "3"});
    questions({kQuestion});
    j.Debut_Click();
    touche(Qt::Key_F1); // countdown
    EXPECT_EQ(score(1), "0");
    compteARebours();
    touche(Qt::Key_F1);
    EXPECT_EQ(score(1), "-3");
    touche(Qt::Key_F2); // slot 1 answered wrong already
    EXPECT_EQ(score(1), "-3");
    j.Label_reponse[1]->Click(); // clicks count only in one-player games
    EXPECT_EQ(score(2), "0");
    touche(Qt::Key_2, Qt::KeypadModifier);
    EXPECT_EQ(score(2), "1");
    EXPECT_EQ(j.Label_reponse[1]->ForeColor(), couleurJoueur(2));
    EXPECT_FALSE(j.Timer_tempello->Enabled());
    EXPECT_TRUE(j.Timer_nouvelle_question->Enabled()); // the next countdown
}

TEST_F(Partie, TheOnePlayerClicksAnAnswer)
{
    Form_jeu &j = enJeu("1", {.perdus = "2"});
    emit j.Label_reponse[0]->Click();
    EXPECT_EQ(score(2), "-2");
    // Everyone (the one player) is wrong: the right answer turns orange.
    EXPECT_EQ(j.Label_reponse[1]->ForeColor(), kCouleurNonTrouvee);
    EXPECT_EQ(j.Label_reponse[0]->ForeColor(), 0u);
}

TEST_F(Partie, InTheLastSecondsOfATimedGameAQuestionScoresOnce)
{
    Form_jeu &j = enJeu("1", {.type = "temps", .secondes = "60", .gagnes = "temps"});
    j.Label_timer_highscore->setCaption("4");
    touche(Qt::Key_2, Qt::KeypadModifier);
    EXPECT_EQ(score(2), "4");
    EXPECT_TRUE(j.Timer_tempello->Enabled()); // the game clock runs on
    EXPECT_FALSE(j.Timer_nouvelle_question->Enabled());
    touche(Qt::Key_2, Qt::KeypadModifier); // a held key repeats
    EXPECT_EQ(score(2), "4");
    for (int s = 0; s < 4; ++s)
        seconde();
    EXPECT_TRUE(j.Label_nom_vainqueur->Visible());
    EXPECT_EQ(j.Label_nom_vainqueur->Caption(), "4");
    EXPECT_FALSE(j.Timer_tempello->Enabled());
}

TEST_F(Partie, ATimedGameGoesOnWhileFiveSecondsAreLeft)
{
    Form_jeu &j = enJeu("1", {.type = "temps", .secondes = "60"});
    EXPECT_EQ(j.Label_timer_highscore->Caption(), "60");
    j.Label_timer_highscore->setCaption("5");
    touche(Qt::Key_2, Qt::KeypadModifier);
    EXPECT_TRUE(j.Timer_nouvelle_question->Enabled());
    compteARebours();
    EXPECT_EQ(j.Numero_question->Caption(), "2");
    EXPECT_EQ(j.Label_timer_highscore->Caption(), "5"); // not reset in a timed game
}

TEST_F(Partie, ATieOfThreePutsTheLowestOutAndTheTieBreakDecides)
{
    Form_jeu &j = enJeu("3", {.questions = "1"});
    j.Label_score1->setCaption("5");
    j.Label_score2->setCaption("4");
    j.Label_score3->setCaption("3");
    touche(Qt::Key_K); // slot 2 right: 5, 5, 3
    EXPECT_EQ(j.Label_question_n->Caption(), kQuestionSubsidiaire);
    EXPECT_TRUE(faux(3));
    EXPECT_FALSE(j.Label_score3->Visible());
    EXPECT_EQ(score(3), "-1000");
    EXPECT_FALSE(j.Numero_question->Visible());
    EXPECT_TRUE(j.Timer_nouvelle_question->Enabled());
    compteARebours();
    EXPECT_FALSE(faux(3));
    EXPECT_TRUE(j.Label_question->Visible());
    EXPECT_EQ(j.Label_timer_highscore->Caption(), "30");
    touche(Qt::Key_2, Qt::KeypadModifier); // slot 3 is out: nothing
    EXPECT_EQ(score(3), "-1000");
    touche(Qt::Key_F2);
    EXPECT_TRUE(j.Label_nom_vainqueur->Visible());
    EXPECT_EQ(j.Label_nom_vainqueur->Caption(), j.Label_nom_joueur1->Caption());
    // The match played again has its three players.
    j.Debut_Click();
    EXPECT_TRUE(j.Label_score3->Visible());
    EXPECT_EQ(score(3), "0");
}

TEST_F(Partie, ATieOfTwoPlaysATieBreakWhoseWrongAnswersEndIt)
{
    Form_jeu &j = enJeu("2", {.questions = "1"});
    touche(Qt::Key_F1);
    touche(Qt::Key_1, Qt::KeypadModifier); // both wrong: 0, 0
    EXPECT_EQ(j.Label_question_n->Caption(), kQuestionSubsidiaire);
    compteARebours();
    touche(Qt::Key_2, Qt::KeypadModifier);
    EXPECT_EQ(j.Label_nom_vainqueur->Caption(), j.Label_nom_joueur2->Caption());
}

TEST_F(Partie, TheOnePlayerScoreIsShownOutOfTheQuestions)
{
    Form_jeu &j = enJeu("1", {.questions = "1"});
    touche(Qt::Key_2, Qt::KeypadModifier);
    EXPECT_EQ(j.Label_vainqueur->Caption(), "Score");
    EXPECT_EQ(j.Label_nom_vainqueur->Caption(), "1/1");
    EXPECT_EQ(j.Label_timer_highscore->Caption(), "0");
    EXPECT_FALSE(j.Picture_jeu->Visible());
    EXPECT_FALSE(j.Timer_tempello->Enabled() || j.Timer_nouvelle_question->Enabled());
}

TEST_F(Partie, TheButtonsStopResumeAndLeave)
{
    // Quoted numbers read as the tool and the text slots read them: in order.
    writeFile("random.tpq", "\"1\",\"1\"\r\n");
    Form_jeu &j = enJeu("2");
    EXPECT_EQ(readFile("random.tpq"), QByteArray(" 1  1 \r\n"));
    j.Image_score_Click(); // answers open: nothing
    EXPECT_FALSE(j.Picture_vainqueurs1->Visible());
    j.Label_stop_jeu_Click();
    EXPECT_FALSE(j.Timer_tempello->Enabled() || j.Timer_nouvelle_question->Enabled());
    EXPECT_FALSE(j.Picture_jeu->Visible());
    EXPECT_TRUE(j.Debut->Visible());
    j.Image_score_Click();
    EXPECT_TRUE(j.Picture_vainqueurs1->Visible());
    j.Image_retour_Click();
    EXPECT_EQ(Screens::ifLoaded<Form_jeu>(), nullptr);
}

TEST_F(Partie, SettingsThatAreNotNumbersReadAsTheirLeadingNumber)
{
    Form_jeu &j =
        enJeu("1", {.type = "temps", .secondes = "abc", .perdus = "x", .gagnes = "2 pts"});
    EXPECT_EQ(j.Label_timer_highscore->Caption(), "abc");
    touche(Qt::Key_2, Qt::KeypadModifier);
    EXPECT_EQ(score(2), "2");
    // A clock that reads 0 ends the game at once.
    EXPECT_TRUE(j.Label_nom_vainqueur->Visible());
}
