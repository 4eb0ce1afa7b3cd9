// The best-score window: where it opens, which file it lists, and every way back to the
// game-choice screen.
#include "game/avatars/form_photos.h"
#include "game/match/form_jeu.h"
#include "game/services/form_admin.h"
#include "game/services/form_score.h"
#include "game/services/highscorelist.h"
#include "game/setup/form_accueil.h"
#include "game/setup/form_nombre_joueurs.h"
#include "platform/screens.h"

#include "game/setup/ecranstest.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>

using namespace platform;

namespace {
// The welcome screen's first tick sets the lock keys: the fixture's are fakes.
class ScoreScreen : public EcransTest {
protected:
    void SetUp() override
    {
        EcransTest::SetUp();
        registerForm_score();
    }
    // What the game-choice links do before the window opens.
    Shape *openedFrom(const char *type)
    {
        Shape *shape = accueilTermine().Shape_score;
        form_admin().Label_type_de_jeu->setCaption(type);
        form_nombre_joueurs().Hide();
        shape->setVisible(true);
        return shape;
    }
    // Opens the window modal and leaves it by `leave`, queued to run inside its loop.
    void showModalAndLeave(const std::function<void(Form_score &)> &leave)
    {
        auto *score = static_cast<Form_score *>(Screens::get(QStringLiteral("Form_score")));
        ASSERT_NE(score, nullptr);
        QMetaObject::invokeMethod(
            score, [score, leave] { leave(*score); }, Qt::QueuedConnection);
        score->ShowModal();
    }
    void expectBackAtTheGameChoice(const Shape *shape)
    {
        EXPECT_EQ(Screens::ifLoaded<Form_score>(), nullptr);
        EXPECT_FALSE(shape->Visible());
        EXPECT_TRUE(form_nombre_joueurs().isVisible());
    }
};
} // namespace

TEST_F(ScoreScreen, OpensBelowAndRightOfTheGameChoiceScreen)
{
    Form_nombre_joueurs &choice = form_nombre_joueurs();
    choice.setLeft(1500);
    choice.setTop(1200);
    Form_score &score = form_score();
    EXPECT_EQ(score.Left(), 1500 + 900);
    // 550 twips is not a whole number of pixels.
    EXPECT_NEAR(score.Top(), 1200 + 550, 14);
}

TEST_F(ScoreScreen, ListsTheFileOfTheChosenGameType)
{
    form_admin().Label_type_de_jeu->setCaption("question");
    HighScoreList question;
    ListBox box(nullptr, "box");
    question.FillScoreList(box);
    question.AddHighScore(box, "Ana", 17);

    form_admin().Label_type_de_jeu->setCaption("temps");
    Form_score &temps = form_score();
    ASSERT_EQ(temps.lstScores->ListCount(), 15);
    EXPECT_TRUE(temps.lstScores->List(0).endsWith("\t-100"));
    EXPECT_TRUE(exists("Scorestemps.tpq"));
    Screens::unload<Form_score>();

    form_admin().Label_type_de_jeu->setCaption("question");
    Form_score &again = form_score();
    EXPECT_TRUE(again.lstScores->List(0).startsWith("1. Ana"));
    EXPECT_TRUE(again.lstScores->List(0).endsWith("\t17"));
}

TEST_F(ScoreScreen, RetourEndsTheModalWindowAndGoesBackToTheGameChoice)
{
    Shape *shape = openedFrom("question");
    showModalAndLeave([](Form_score &s) { emit s.Image_retour->Click(); });
    expectBackAtTheGameChoice(shape);
}

TEST_F(ScoreScreen, ClosingTheWindowOrEscapeDoesWhatRetourDoes)
{
    const std::function<void(Form_score &)> leaves[] = {
        [](Form_score &s) { s.close(); },
        [](Form_score &s) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(&s, &escape);
        }};
    for (const auto &leave : leaves) {
        Shape *shape = openedFrom("temps");
        showModalAndLeave(leave);
        expectBackAtTheGameChoice(shape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(ScoreScreen, RetourDoesNotLoadAWelcomeScreenThatIsNotThere)
{
    Form_score &score = form_score();
    emit score.Image_retour->Click();
    EXPECT_EQ(Screens::ifLoaded(QStringLiteral("Form_accueil")), nullptr);
    EXPECT_EQ(Screens::ifLoaded<Form_score>(), nullptr);
    EXPECT_TRUE(form_nombre_joueurs().isVisible());
}

// Both best-score lists, the score window's and the game screen's, show their 15 entries
// whole: no scroll bar, every row inside the list, and the scores in one column.
TEST_F(ScoreScreen, BothListsShowTheirFifteenEntriesWithoutAScrollBarAndInColumns)
{
    form_admin().Label_type_de_jeu->setCaption("question");
    form_photos().Label_nombre_joueurs->setCaption("1");
    form_nombre_joueurs().Label_score->setAppearance(1);
    Form_score &score = form_score();
    score.Show();
    Form_jeu &jeu = form_jeu();
    jeu.Show();
    for (QWidget *w = jeu.lstScores; w != &jeu; w = w->parentWidget())
        w->setVisible(true);
    for (ListBox *list : {score.lstScores, jeu.lstScores}) {
        SCOPED_TRACE(qPrintable(list->window()->objectName()));
        QCoreApplication::processEvents();
        ASSERT_EQ(list->ListCount(), 15);
        EXPECT_EQ(list->verticalScrollBar()->maximum(), 0);
        EXPECT_FALSE(list->verticalScrollBar()->isVisible());
        const QRect last = list->visualRect(list->model()->index(14, 0));
        EXPECT_LE(last.bottom(), list->viewport()->height());
        EXPECT_EQ(list->font().family(), "Arial");
        auto *columns = qobject_cast<ScoreColumns *>(list->itemDelegate());
        ASSERT_NE(columns, nullptr);
        // The column stands clear of the widest numbered name of the list's width.
        const QFontMetrics metrics(list->font());
        EXPECT_GT(columns->scoreColumn(), metrics.horizontalAdvance("15. " + QString(20, 'N')));
        EXPECT_LT(columns->scoreColumn() + metrics.horizontalAdvance("-1000"),
                  list->viewport()->width());
    }
}
