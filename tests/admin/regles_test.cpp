// The tool's rules as tables: points lists, minutes, counts, stored points, titles and the
// browser command.
#include "admin/regles.h"

#include <gtest/gtest.h>

using namespace admin;

TEST(PointsLists, OnlyTheQuestionGameOffersTheSecondsLeft)
{
    const QStringList gagnesQuestion = entreesPointsGagnes(true);
    ASSERT_EQ(gagnesQuestion.size(), 21);
    EXPECT_EQ(gagnesQuestion.first(), "Temps restant");
    EXPECT_EQ(gagnesQuestion[1], "1");
    EXPECT_EQ(gagnesQuestion.last(), "20");
    const QStringList perdusQuestion = entreesPointsPerdus(true);
    ASSERT_EQ(perdusQuestion.size(), 22);
    EXPECT_EQ(perdusQuestion[1], "0");

    QStringList un_a_vingt, zero_a_vingt{"0"};
    for (int n = 1; n <= 20; ++n)
        un_a_vingt << QString::number(n);
    zero_a_vingt += un_a_vingt;
    EXPECT_EQ(entreesPointsGagnes(false), un_a_vingt);
    EXPECT_EQ(entreesPointsPerdus(false), zero_a_vingt);
    // Both defaults are "1" won and "0" lost.
    EXPECT_EQ(gagnesQuestion[positionParDefaut(true)], "1");
    EXPECT_EQ(perdusQuestion[positionParDefaut(true)], "0");
    EXPECT_EQ(un_a_vingt[positionParDefaut(false)], "1");
    EXPECT_EQ(zero_a_vingt[positionParDefaut(false)], "0");
}

TEST(MinutesLabel, ShowsMinutesTruncatedToTwoDecimals)
{
    const std::pair<const char *, const char *> cas[] = {
        {"120", "2"},    {"90", "1,5"},   {"100", "1,66"},  {"10", "0,16"}, {"600", "10"},
        {"0", "0"},      {"-30", "-0,5"}, {"-61", "-1,02"}, {"69", "1,15"}, {" 60 ", "1"},
        {"9,5", "0,15"}, {"+60", "1"},    {"999", "16,65"}};
    for (const auto &[secondes, minutes] : cas)
        EXPECT_EQ(libelleMinutes(QString::fromUtf8(secondes)), QString::fromUtf8(minutes))
            << secondes;
}

TEST(MinutesLabel, NoNumberGivesNothing)
{
    for (const char *texte : {"", " ", "abc", "12a", "-", ",", "1.5", "1e2"})
        EXPECT_FALSE(libelleMinutes(QString::fromUtf8(texte))) << texte;
}

TEST(Counts, AcceptOnlyWholeNumbersInRange)
{
    struct Cas {
        const char *texte;
        int minimum, maximum;
        bool valide;
    };
    const Cas cas[] = {{"0", 1, 500, false},   {"1", 1, 500, true},     {"500", 1, 500, true},
                       {"501", 1, 500, false}, {"9", 10, 600, false},   {"10", 10, 600, true},
                       {"600", 10, 600, true}, {"601", 10, 600, false}, {"020", 1, 500, true},
                       {" 20", 1, 500, true},  {"20 ", 1, 500, true},   {"+20", 1, 500, true},
                       {"1,5", 1, 500, false}, {"", 1, 500, false},     {"abc", 1, 500, false},
                       {"-5", 1, 500, false},  {"2 0", 1, 500, false},  {"1e2", 1, 500, false},
                       {"٣", 1, 500, false}};
    for (const Cas &c : cas)
        EXPECT_EQ(nombreValide(QString::fromUtf8(c.texte), c.minimum, c.maximum), c.valide)
            << c.texte;
}

TEST(StoredPoints, MapTheSelectedEntry)
{
    EXPECT_EQ(pointsEnregistres("Temps restant", 0), "temps");
    EXPECT_EQ(pointsEnregistres("15", 0), "15");
    EXPECT_EQ(pointsEnregistres("0", 0), "0");
    EXPECT_EQ(pointsEnregistres("0", 1), "");
    EXPECT_EQ(pointsEnregistres("20", 1), "20");
    EXPECT_EQ(pointsEnregistres("", 1), "");
    EXPECT_EQ(pointsEnregistres("21", 0), "");
}

TEST(SlotTitle, IsTheNameBeforeItsLastDot)
{
    EXPECT_EQ(titreFichier("/home/a/textes/Baroque.txt"), "Baroque");
    EXPECT_EQ(titreFichier("/q/quiz.solfege.txt"), "quiz.solfege");
    EXPECT_EQ(titreFichier("/q/Sans point"), "Sans point");
    // A name that is all extension keeps it rather than ending with no title.
    EXPECT_EQ(titreFichier("/q/.txt"), ".txt");
    EXPECT_EQ(titreFichier("/a.b/c"), "c");
}

TEST(BrowserQuotes, FollowTheQuoteRule)
{
    const std::pair<const char *, const char *> cas[] = {
        {R"("C:\Program Files\Nav\nav.exe" -osint -url "%1")", R"(C:\Program Files\Nav\nav.exe)"},
        {"/usr/bin/firefox %u", "/usr/bin/firefox %u"},
        {R"(nav.exe "%1")", "nav.exe "},
        {R"(")", ""},
        {R"("")", ""},
        {"", ""},
        {R"(""nav" x)", "nav"},
    };
    for (const auto &[valeur, resultat] : cas)
        EXPECT_EQ(sansGuillemets(QString::fromUtf8(valeur)), QString::fromUtf8(resultat)) << valeur;
}

TEST(BrowserCommand, PutsTheAddressInPlaceOfTheFieldCodes)
{
    const QString adresse = QStringLiteral("https://exemple.org/q");
    struct Cas {
        const char *commande;
        const char *programme;
        QStringList arguments;
    };
    const Cas cas[] = {
        {"firefox %u", "firefox", {adresse}},
        {"chromium --new-window %U", "chromium", {"--new-window", adresse}},
        {"nav", "nav", {adresse}},
        {"nav.exe ", "nav.exe", {adresse}},
        {"nav --url=%u", "nav", {"--url=" + adresse}},
        {"nav %i %c -x", "nav", {"-x", adresse}},
        {"nav 100%% %u", "nav", {"100%", adresse}},
    };
    for (const Cas &c : cas) {
        const auto commande = commandeNavigateur(QString::fromUtf8(c.commande), adresse);
        ASSERT_TRUE(commande) << c.commande;
        EXPECT_EQ(commande->programme, QString::fromUtf8(c.programme)) << c.commande;
        EXPECT_EQ(commande->arguments, c.arguments) << c.commande;
    }
    EXPECT_FALSE(commandeNavigateur("   ", adresse));
}
