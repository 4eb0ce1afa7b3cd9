// A slot's controller answering on the real game screen: the same gate as the slot's keys,
// buttons 1 to 4 as answers 1 to 4, each pressed button gated afresh; and one question played
// through an SDL virtual joystick.
#include "game/match/manettestest.h"
#include "game/match/reponses.h"
#include "platform/controllers_sdl.h"
#include "platform/screens.h"
#include "platform/virtualjoystick.h"
#include "support/attendre.h"

namespace {

enum class Effet { Rien, Bonne, Faux };

struct Appui {
    const char *count;
    int slot;
    const char *bonne;
    std::vector<int> boutons; // held down together, in one change
    Effet effet;
    // The slot's score shown all the same: the game type alone keeps a slot without a
    // player from answering.
    bool scoreMontre = false;
};

const Appui kAppuis[] = {
    {"2", 2, "3", {3}, Effet::Bonne},
    {"2", 2, "3", {1}, Effet::Faux},
    {"2", 1, "2", {2}, Effet::Bonne},
    {"2", 3, "2", {2}, Effet::Rien}, // no third player in a match of two
    {"1", 2, "4", {4}, Effet::Bonne},
    {"1", 1, "4", {4}, Effet::Rien}, // the one player is slot 2
    {"1", 3, "4", {4}, Effet::Rien},
    {"1", 1, "4", {4}, Effet::Rien, true},
    {"1", 3, "4", {4}, Effet::Rien, true},
    {"2", 3, "2", {2}, Effet::Rien, true},
    {"3", 3, "1", {1}, Effet::Bonne},
    {"3", 1, "1", {2}, Effet::Faux},
    {"2", 2, "", {1, 2, 3, 4}, Effet::Rien}, // no right answer given
    {"2", 2, "3", {5, 6}, Effet::Rien},      // buttons beyond the fourth only show
    {"2", 2, "3", {1, 3}, Effet::Faux},      // button 1 marks the slot first: 3 is gated out
    {"2", 2, "1", {1, 3}, Effet::Bonne},     // the right answer closes the answers
};

class ManettesReponses : public ManettesTest {
protected:
    // Three controllers, slot K holding the K-th; the question's answers open.
    void poserQuestion(const QString &count, const QString &bonne, bool ouvrirReponses = true)
    {
        for (int k = 1; k <= 3; ++k)
            m_manettes->plug(QStringLiteral("Manette %1").arg(k), 6);
        ouvrir(count);
        regler({});
        questions({PartieTest::question("Quelle note ?", {"Do", "Ré", "Mi", "Fa"}, bonne)});
        jeu().Debut_Click();
        for (int k = 1; k <= 3; ++k)
            choisir(k, k - 1);
        if (ouvrirReponses) {
            compteARebours();
            ASSERT_TRUE(reponsesOuvertes(jeu()));
        }
    }
    QStringList scores()
    {
        return {jeu().Label_score1->Caption(), jeu().Label_score2->Caption(),
                jeu().Label_score3->Caption()};
    }
};

} // namespace

TEST_F(ManettesReponses, ButtonsAnswerForTheirSlotUnderTheKeysGate)
{
    for (const Appui &a : kAppuis) {
        SCOPED_TRACE(testing::Message() << a.count << " slot " << a.slot << " bonne " << a.bonne
                                        << " boutons " << a.boutons.size());
        poserQuestion(a.count, a.bonne);
        if (a.scoreMontre)
            jeu().Label_score(a.slot)->setVisible(true);
        QStringList attendus = scores();
        m_manettes->set(a.slot - 1, a.boutons);
        if (a.effet == Effet::Bonne)
            attendus[a.slot - 1] = QString::number(attendus[a.slot - 1].toInt() + 1);
        EXPECT_EQ(scores(), attendus);
        for (int k = 1; k <= 3; ++k)
            EXPECT_EQ(jeu().Label_faux(k)->Visible(), a.effet == Effet::Faux && k == a.slot) << k;
        // Whatever the answer, the squares show the buttons held.
        for (int b : a.boutons) {
            if (b <= 4) {
                EXPECT_NE(jeu().Label_test_(a.slot)[size_t(b - 1)]->BackColor(), 0xFFFFFFu);
            }
        }
        EXPECT_EQ(jeu().lstButton_(a.slot)->ListCount(), 6);
        platform::Screens::unload<Form_jeu>();
        m_manettes = platform::fakeControllers();
    }
}

TEST_F(ManettesReponses, PressesDuringTheCountdownOnlyShow)
{
    poserQuestion("2", "2", false);
    ASSERT_TRUE(jeu().Timer_nouvelle_question->Enabled());
    const QStringList avant = scores();
    m_manettes->press(1, 2);
    EXPECT_EQ(scores(), avant);
    EXPECT_FALSE(jeu().Label_faux2->Visible());
    EXPECT_EQ(jeu().Label_test2_[1]->BackColor(), 0x80000002u);
}

TEST_F(ManettesReponses, AfterAWrongAnswerTheSlotsButtonsOnlyShow)
{
    poserQuestion("2", "2");
    m_manettes->press(1, 3);
    ASSERT_TRUE(jeu().Label_faux2->Visible());
    const QStringList avant = scores();
    m_manettes->set(1, {});
    m_manettes->press(1, 2); // the right answer, too late
    EXPECT_EQ(scores(), avant);
    EXPECT_EQ(jeu().Label_test2_[1]->BackColor(), 0x80000002u);
    // The other player still answers.
    m_manettes->press(0, 2);
    EXPECT_EQ(jeu().Label_score1->Caption(), QStringLiteral("1"));
}

// The slot's last state is not read once its controller is lost: a button held then is no
// answer.
TEST_F(ManettesReponses, AButtonHeldWhenItsControllerIsUnpluggedAnswersNothing)
{
    poserQuestion("2", "2", false);
    m_manettes->press(1, 2); // the right answer, held from the countdown on
    compteARebours();
    ASSERT_TRUE(reponsesOuvertes(jeu()));
    const QStringList avant = scores();
    m_manettes->unplug(1);
    EXPECT_EQ(scores(), avant);
    EXPECT_FALSE(jeu().Label_faux2->Visible());
    EXPECT_TRUE(reponsesOuvertes(jeu()));
}

// A controller plugged in this process, chosen in slot 2's list: its button 2 answers.
TEST_F(ManettesReponses, AQuestionIsAnsweredWithAnSdlController)
{
    platform::setControllersFactory(platform::createSdlControllers);
    VirtualJoystick manette("Manette virtuelle Tempel", 8);
    ASSERT_TRUE(manette.plugged()) << SDL_GetError();
    ouvrir("2");
    regler({});
    questions({PartieTest::question("Quelle note ?", {"Do", "Ré", "Mi", "Fa"}, "2")});
    jeu().Debut_Click();
    compteARebours();
    ASSERT_TRUE(reponsesOuvertes(jeu()));

    jeu().Image_manette_Click();
    jeu().Option_oui(2)->setValue(true);
    const auto trouves = jeu().lstJoySticksB->findItems(manette.name(), Qt::MatchExactly);
    ASSERT_FALSE(trouves.isEmpty());
    jeu().lstJoySticksB->setCurrentItem(trouves.first());
    ASSERT_TRUE(jeu().manettes()->polling());

    manette.set(2, true);
    EXPECT_TRUE(attendreQue([&] { return jeu().Label_score2->Caption() == QLatin1String("1"); }));
    EXPECT_EQ(jeu().Label_test2_[1]->BackColor(), 0x80000002u);
    EXPECT_EQ(jeu().lstButtonB->List(1), QStringLiteral("Button 2: Down"));
    platform::Screens::unload<Form_jeu>();
}
