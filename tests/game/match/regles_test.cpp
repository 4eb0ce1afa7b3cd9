// The match's tables as plain values: the theme draw, the points, the all-wrong test and the
// wrong-answer sound, the key routing, what follows a question, the end of a match, the
// question file and its layout, the question order file.
#include "game/match/deroulement.h"
#include "game/match/fin_manche.h"
#include "game/match/nombres.h"
#include "game/match/question.h"
#include "game/match/reponses.h"
#include "game/match/tirage.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

TEST(Tirage, EachDrawNamesItsSourceAndPrograms)
{
    const struct {
        int k;
        const char *theme;
        const char *premiere;
        int cles;
    } table[] = {
        {1, "compos", "compos", 1},
        {2, "visages", "visages", 1},
        {3, "organa", "organa", 1},
        {4, "lexique", "lexique", 1},
        {5, "aigu", "aigu1", 7},
        {6, "grave", "grave1", 7},
        {7, "ecoutes", "ecoutes", 1},
        {8, "fichier_texte", "fichier_texte", 1},
        {9, "fichier_texte", "fichier_texte2", 1},
        {14, "fichier_texte", "fichier_texte7", 1},
    };
    for (const auto &l : table) {
        const SourceTirage s = sourceDuTirage(l.k);
        EXPECT_EQ(s.themeCourant, l.theme) << l.k;
        EXPECT_EQ(s.cles.front(), l.premiere) << l.k;
        EXPECT_EQ(s.cles.size(), l.cles) << l.k;
    }
    EXPECT_EQ(sourceDuTirage(6).cles.back(), "grave7");
    EXPECT_EQ(programmeLance("fichier_texte5"), "texte");
    EXPECT_EQ(programmeLance("aigu2"), "aigu2");
}

TEST(Tirage, DrawsCoverTheirRangeUniformly)
{
    std::set<int> vus;
    for (int i = 0; i < 14; ++i)
        vus.insert(tirageEntier((i + 0.5) / 14, 14));
    EXPECT_EQ(vus.size(), 14u);
    EXPECT_EQ(tirageEntier(0.0, 14), 1);
    EXPECT_EQ(tirageEntier(0.99999, 7), 7);
    EXPECT_EQ(tirageEntier(1.0, 7), 7); // a source at its limit draws the last, not beyond
}

TEST(Tirage, ATryStartsOnlyASourceThatIsOn)
{
    const auto seul = [](const char *cle) {
        return [cle](const QString &c) { return c == QLatin1String(cle); };
    };
    int niveaux = 0;
    const auto niveau = [&niveaux](int j) {
        return [j, &niveaux] {
            ++niveaux;
            return j;
        };
    };
    EXPECT_EQ(essaiTirage(sourceDuTirage(1), seul("compos"), niveau(1)), "compos");
    EXPECT_EQ(essaiTirage(sourceDuTirage(2), seul("compos"), niveau(1)), "");
    EXPECT_EQ(essaiTirage(sourceDuTirage(6), seul("grave4"), niveau(4)), "grave4");
    // Another level of the group drawn while grave4 is on: the try fails, no other is tried.
    EXPECT_EQ(essaiTirage(sourceDuTirage(6), seul("grave4"), niveau(3)), "");
    niveaux = 0;
    // No level on: the group fails without drawing a level.
    EXPECT_EQ(essaiTirage(sourceDuTirage(5), seul("grave4"), niveau(4)), "");
    EXPECT_EQ(niveaux, 0);
}

TEST(Points, ASettingIsItsNumberOrTheSecondsLeft)
{
    EXPECT_EQ(pointsDuReglage("5", "21"), 5);
    EXPECT_EQ(pointsDuReglage("temps", "21"), 21);
    EXPECT_EQ(pointsDuReglage("temps", "95"), 95);
    EXPECT_EQ(pointsDuReglage("0", "12"), 0);
    EXPECT_EQ(pointsDuReglage("dix", "12"), 0); // not a number: nothing, no crash
    EXPECT_EQ(pointsDuReglage("10 points", "12"), 10);
    EXPECT_EQ(couleurJoueur(1), 0xFF0000u);
    EXPECT_EQ(couleurJoueur(2), 0xFFu);
    EXPECT_EQ(couleurJoueur(3), 0xC000u);
}

TEST(Nombres, TextsReadAsTheirLeadingWholeNumber)
{
    EXPECT_EQ(valeur("12"), 12);
    EXPECT_EQ(valeur("-3"), -3);
    EXPECT_EQ(valeur(" 7 s"), 7);
    EXPECT_EQ(valeur(""), 0);
    EXPECT_EQ(valeur("abc"), 0);
    // Beyond 16 and 32 bits, scores stay whole.
    EXPECT_EQ(valeur("40000"), 40000);
    EXPECT_EQ(valeur("5000000000"), 5000000000LL);
    EXPECT_EQ(valeur("99999999999999999999999"), std::numeric_limits<qint64>::max());
}

TEST(FinDeQuestion, EveryPlayerInPlayWrongEndsTheQuestion)
{
    using B = std::array<bool, 3>;
    const B tous{true, true, true};
    const struct {
        const char *type;
        B faux;
        B present;
        bool fin;
    } table[] = {
        {"3", {true, true, true}, tous, true},
        {"3", {true, true, false}, tous, false},               // slot 3 still waiting
        {"3", {true, true, false}, {true, true, false}, true}, // slot 3 out of a tie-break
        {"3", {false, true, true}, {false, true, true}, true},
        {"3", {true, false, true}, {true, false, true}, true},
        {"3", {true, false, false}, {true, true, false}, false},
        {"2", {true, true, false}, tous, true},
        {"2", {true, false, false}, tous, false},
        {"1", {false, false, false}, tous, true}, // the one player answered wrong
        {"4", tous, tous, false},
    };
    for (const auto &l : table)
        EXPECT_EQ(tousFaux(l.type, l.faux, l.present), l.fin)
            << l.type << l.faux[0] << l.faux[1] << l.faux[2] << l.present[0] << l.present[1]
            << l.present[2];
}

TEST(FinDeQuestion, OnlyQuestionGamesSoundAWrongAnswer)
{
    EXPECT_TRUE(sonMauvaiseReponse("question", "Buzzer"));
    EXPECT_TRUE(sonMauvaiseReponse("question", "Huées"));
    EXPECT_FALSE(sonMauvaiseReponse("question", "non"));
    EXPECT_FALSE(sonMauvaiseReponse("temps", "Buzzer"));
    EXPECT_FALSE(sonMauvaiseReponse("temps", "non"));
}

TEST(Touches, EachGameTypeRoutesItsOwnKeys)
{
    using T = std::optional<Touche>;
    const struct {
        const char *type;
        int key;
        T attendu;
    } table[] = {
        {"1", 97, Touche{2, 1}}, {"1", 100, Touche{2, 4}}, {"1", 112, T{}},
        {"1", 74, T{}},          {"1", 49, T{}},           {"2", 113, Touche{1, 2}},
        {"2", 99, Touche{2, 3}}, {"2", 74, T{}},           {"3", 112, Touche{1, 1}},
        {"3", 75, Touche{2, 2}}, {"3", 77, Touche{2, 4}},  {"3", 98, Touche{3, 2}},
        {"3", 52, T{}},          {"3", 101, T{}},          {"3", 116, T{}},
        {"", 112, Touche{1, 1}}, // an unset type still has slot 1's keys, but no slot in play
    };
    for (const auto &l : table)
        EXPECT_EQ(routageTouche(l.type, l.key), l.attendu) << l.type << " " << l.key;
}

TEST(Suite, WhatFollowsAQuestion)
{
    using D = DecisionSuite;
    EXPECT_EQ(decisionSuite("question", "20", "19", "12", false),
              (D{Suite::QuestionSuivante, true}));
    EXPECT_EQ(decisionSuite("question", "20", "20", "12", false), (D{Suite::FinManche, false}));
    EXPECT_EQ(decisionSuite("question", "20", "21", "30", true), (D{Suite::FinManche, false}));
    EXPECT_EQ(decisionSuite("temps", "20", "3", "5", false), (D{Suite::QuestionSuivante, false}));
    EXPECT_EQ(decisionSuite("temps", "20", "3", "4", false), (D{Suite::Attendre, false}));
    EXPECT_EQ(decisionSuite("temps", "20", "3", "0", false), (D{Suite::FinManche, true}));
    EXPECT_EQ(decisionSuite("temps", "20", "3", "25", true), (D{Suite::FinManche, false}));
    EXPECT_EQ(decisionSuite("autre", "20", "3", "25", false), (D{Suite::Rien, false}));
    // Not a number: read as 0, the game ends rather than running on forever.
    EXPECT_EQ(decisionSuite("question", "vingt", "1", "30", false), (D{Suite::FinManche, false}));
}

TEST(FinManche, EveryLineOfTheEvaluation)
{
    using E = std::optional<Evaluation>;
    const std::array<bool, 3> tous{true, true, true};
    const struct {
        const char *type;
        std::array<qint64, 3> s;
        std::array<bool, 3> enJeu;
        E attendu;
    } table[] = {
        {"3", {5, 3, 1}, tous, Evaluation{1, 0}},
        {"3", {3, 5, 1}, tous, Evaluation{2, 0}},
        {"3", {3, 1, 5}, tous, Evaluation{3, 0}},
        {"3", {5, 5, 3}, tous, Evaluation{0, 3}},
        {"3", {5, 3, 5}, tous, Evaluation{0, 2}},
        {"3", {3, 5, 5}, tous, Evaluation{0, 1}},
        {"3", {4, 4, 4}, tous, Evaluation{0, 0}},
        {"3", {7, 5, -1000}, {true, true, false}, Evaluation{1, 0}},
        // A slot out of the tie-break never wins, whatever the others fell to.
        {"3", {-1500, -1200, -1000}, {true, true, false}, Evaluation{2, 0}},
        {"3", {-1500, -1500, -1000}, {true, true, false}, Evaluation{0, 3}},
        {"2", {2, 1, -1000}, tous, Evaluation{1, 0}},
        {"2", {1, 2, -1000}, tous, Evaluation{2, 0}},
        {"2", {0, 0, -1000}, tous, Evaluation{0, 0}},
        // Scores beyond 16 bits compare as they are.
        {"2", {40000, 30000, -1000}, tous, Evaluation{1, 0}},
        {"1", {0, 5, 0}, tous, E{}},
    };
    for (const auto &l : table)
        EXPECT_EQ(evaluerManche(l.type, l.s, l.enJeu), l.attendu)
            << l.type << " " << l.s[0] << " " << l.s[1] << " " << l.s[2];
}

TEST(FinManche, TheOnePlayerScoreText)
{
    EXPECT_EQ(texteScore("question", "12", "20", "1", "0"), "12/20");
    EXPECT_EQ(texteScore("question", "24", "20", "2", "0"), "24");
    EXPECT_EQ(texteScore("question", "8", "20", "1", "10"), "8");
    EXPECT_EQ(texteScore("temps", "340", "20", "temps", "0"), "340");
    EXPECT_EQ(texteScore("autre", "3", "20", "1", "0"), std::nullopt);
}

TEST(FichierQuestion, ReadsTheNineItemsAsText)
{
    // Spread over lines, a bare 3 for the right answer, a comma inside a quoted item.
    const QuestionCourante q = lireQuestion("\"Quel intervalle, ici ?\",\"Tierce\"\r\n"
                                            "\"Quarte\",\"Quinte\",\"\",3,\"img\\a.jpg\","
                                            "\"son.mp3\",\"pack.rcc\"\r\n\"en trop\"\r\n");
    EXPECT_EQ(q.question, "Quel intervalle, ici ?");
    EXPECT_EQ(q.reponses[0], "Tierce");
    EXPECT_EQ(q.reponses[2], "Quinte");
    EXPECT_EQ(q.reponses[3], "");
    EXPECT_EQ(q.bonneReponse, "3");
    EXPECT_EQ(q.image, "img\\a.jpg");
    EXPECT_EQ(q.son, "son.mp3");
    EXPECT_EQ(q.fichierRessources, "pack.rcc");

    const QuestionCourante courte = lireQuestion("\"Seule\",\"A\"");
    EXPECT_EQ(courte.question, "Seule");
    EXPECT_EQ(courte.reponses[0], "A");
    EXPECT_EQ(courte.bonneReponse, "");
    EXPECT_EQ(lireQuestion({}).question, "");
}

TEST(FichierQuestion, LongAnswersTakeTwoLines)
{
    EXPECT_EQ(placeReponse(1, QString(85, u'a')), (PlaceReponse{1430, 285}));
    EXPECT_EQ(placeReponse(1, QString(86, u'a')), (PlaceReponse{1260, 615}));
    EXPECT_EQ(placeReponse(4, QString(86, u'a')), (PlaceReponse{3600, 615}));
    EXPECT_EQ(placeReponse(3, ""), (PlaceReponse{2990, 285}));
    EXPECT_EQ(texteParle("Qui ?"), "Qui ");
    EXPECT_EQ(texteParle("Q"), "");
}

TEST(FichierQuestion, PicturesAndSoundsStayInTheirFolder)
{
    EXPECT_EQ(cheminDansDossier("/p/images", "a.jpg"), "/p/images/a.jpg");
    EXPECT_EQ(cheminDansDossier("/p/images", "notes\\do.jpg"), "/p/images/notes/do.jpg");
    EXPECT_EQ(cheminDansDossier("/p/images", ""), std::nullopt);
    EXPECT_EQ(cheminDansDossier("/p/images", "/etc/passwd"), std::nullopt);
    EXPECT_EQ(cheminDansDossier("/p/images", "..\\..\\secret.jpg"), std::nullopt);
    EXPECT_EQ(cheminDansDossier("/p/audio", "C:\\son.mp3"), std::nullopt);
    // A pack's sound is used as written, from the program folder when it is relative.
    EXPECT_EQ(cheminSonPaquet("/p", "ecoutes\\gamme.wav"), "/p/ecoutes/gamme.wav");
    EXPECT_EQ(cheminSonPaquet("/p", "/sons/gamme.wav"), "/sons/gamme.wav");
    EXPECT_EQ(cheminSonPaquet("/p", ""), "");
}
