// The editor's rules as plain functions: question line, count, names, search, layout.
#include "editor/documenttext.h"
#include "editor/form1_layout.h"
#include "editor/questionline.h"
#include "editor/recherche.h"

#include <gtest/gtest.h>

using namespace editor;

TEST(QuestionLine, ExampleLineIsTwentyNineBytes)
{
    const LigneComposee l = composerLigne(
        {QStringLiteral("Q"),
         {QStringLiteral("R"), QStringLiteral("S"), QStringLiteral("T"), QStringLiteral("U")},
         2,
         {},
         {}});
    ASSERT_TRUE(l.ok());
    EXPECT_EQ(l.texte.toLatin1(),
              QByteArray::fromHex("22 51 22 2C 22 52 22 2C 22 53 22 2C 22 54 22 2C 22 55 22 2C "
                                  "22 32 22 2C 22 22 2C 22 22"));
    EXPECT_EQ(l.texte.size(), 29);
}

TEST(QuestionLine, CommaStaysInsideItsItemAndPathsFollow)
{
    const LigneComposee l = composerLigne({QStringLiteral("Do, ré, mi ?"),
                                           {QStringLiteral("a"), {}, {}, QStringLiteral("œ")},
                                           4,
                                           QStringLiteral("anim/x.jpg"),
                                           QStringLiteral("cris/y.wav")});
    EXPECT_EQ(l.texte, QStringLiteral("\"Do, ré, mi ?\",\"a\",\"\",\"\",\"œ\",\"4\","
                                      "\"anim/x.jpg\",\"cris/y.wav\""));
}

TEST(QuestionLine, QuoteOrCharacterOutsideTheCodePageIsRefused)
{
    EXPECT_FALSE(composerLigne({QStringLiteral("a\"b"), {}, 1, {}, {}}).ok());
    EXPECT_FALSE(composerLigne({QStringLiteral("→"), {}, 1, {}, {}}).ok());
    EXPECT_FALSE(composerLigne({{}, {}, 1, QStringLiteral("a\nb.jpg"), {}}).ok());
}

TEST(QuestionLine, AppendedOnALineOfItsOwn)
{
    EXPECT_EQ(ajouterLigne({}, QStringLiteral("L")), QStringLiteral("L"));
    EXPECT_EQ(ajouterLigne(QStringLiteral("A"), QStringLiteral("L")), QStringLiteral("A\nL"));
    // A text that already ends with a line break gets an empty line before the question.
    EXPECT_EQ(ajouterLigne(QStringLiteral("A\n"), QStringLiteral("L")), QStringLiteral("A\n\nL"));
}

TEST(MediaPaths, RelativeToTheirFolder)
{
    const QString base = QStringLiteral("/p/images");
    EXPECT_EQ(cheminRelatif(base, QStringLiteral("/p/images/a/b/"), QStringLiteral("x.jpg")),
              QStringLiteral("a/b/x.jpg"));
    EXPECT_TRUE(dansLeDossier(base, QStringLiteral("/p/images/")));
    EXPECT_FALSE(dansLeDossier(base, QStringLiteral("/p/images2")));
    // A program folder at the root of the file system.
    EXPECT_TRUE(dansLeDossier(QStringLiteral("/images"), QStringLiteral("/images/a")));
}

TEST(Count, LinesWithoutAFinalEmptyOne)
{
    const struct {
        const char *texte;
        int n;
    } cas[] = {{"", 1},
               {"a", 1},
               {"a\n", 1},
               {"a\nb", 2},
               {"a\nb\n", 2},
               {"1\n2\n3\n4\n5", 5},
               {"1\n2\n3\n4\n5\n", 5},
               {"a\n\nb", 3},
               {"a\n\n", 2}};
    for (const auto &c : cas)
        EXPECT_EQ(compterQuestions(QString::fromLatin1(c.texte)), c.n) << c.texte;
}

TEST(SaveName, TxtAddedOnlyWhenMissing)
{
    EXPECT_EQ(nomAvecExtension(QStringLiteral("/d/quiz")), QStringLiteral("/d/quiz.txt"));
    EXPECT_EQ(nomAvecExtension(QStringLiteral("/d/quiz.txt")), QStringLiteral("/d/quiz.txt"));
    EXPECT_EQ(nomAvecExtension(QStringLiteral("/d/QUIZ.TXT")), QStringLiteral("/d/QUIZ.TXT"));
    EXPECT_EQ(nomAvecExtension(QStringLiteral("/d/quiz.rtf")), QStringLiteral("/d/quiz.rtf.txt"));
}

TEST(FileText, LineEndsKeptAndCodePageChecked)
{
    const TexteLu crlf = texteDuFichier("a\r\nb");
    EXPECT_EQ(crlf.texte, QStringLiteral("a\nb"));
    EXPECT_EQ(octetsDuTexte(crlf.texte, crlf.finDeLigne).octets, QByteArray("a\r\nb"));
    const TexteLu lf = texteDuFichier("a\nb\n");
    EXPECT_EQ(octetsDuTexte(lf.texte, lf.finDeLigne).octets, QByteArray("a\nb\n"));
    // A file mixing both comes back with CR LF throughout.
    const TexteLu mixte = texteDuFichier("a\r\nb\nc");
    EXPECT_EQ(octetsDuTexte(mixte.texte, mixte.finDeLigne).octets, QByteArray("a\r\nb\r\nc"));
    // Lines ended by CR alone are lines, and a line added comes back with CR; beside LF, a CR
    // ends no line.
    const TexteLu cr = texteDuFichier("a\rb\r");
    EXPECT_EQ(cr.texte, QStringLiteral("a\nb\n"));
    EXPECT_EQ(octetsDuTexte(cr.texte + u'c', cr.finDeLigne).octets, QByteArray("a\rb\rc"));
    EXPECT_EQ(texteDuFichier("a\rb\n").texte, QStringLiteral("a\u240Db\n"));
    const OctetsAEcrire refuse = octetsDuTexte(QStringLiteral("a→b→c✓"), FinDeLigne::CRLF);
    EXPECT_FALSE(refuse.ok());
    EXPECT_TRUE(refuse.erreur.contains(QStringLiteral("« → » (U+2192), « ✓ » (U+2713)")))
        << refuse.erreur.toStdString();
    EXPECT_EQ(caracteresHorsCodePage(QStringLiteral("é😀")), QStringLiteral("« 😀 » (U+1F600)"));
}

struct FindCase {
    const char *name;
    QString texte;
    QString cherche;
    bool bas;
    bool casse;
    int debut, longueur;
    int trouve; // -1: not found
};

class Find : public ::testing::TestWithParam<FindCase> {};

TEST_P(Find, FindsTheNextOccurrence)
{
    const FindCase &c = GetParam();
    const auto r = chercher(c.texte, {c.cherche, c.bas, c.casse}, c.debut, c.longueur);
    EXPECT_EQ(r.value_or(-1), c.trouve);
}

const QString laLa = QStringLiteral("la la");
INSTANTIATE_TEST_SUITE_P(
    Cases, Find,
    ::testing::Values(
        FindCase{"UpFromEnd", laLa, QStringLiteral("la"), false, false, 5, 0, 3},
        FindCase{"UpSkipsTheSelection", laLa, QStringLiteral("la"), false, false, 3, 2, 0},
        FindCase{"UpFromFirstNotFound", laLa, QStringLiteral("la"), false, false, 0, 2, -1},
        FindCase{"UpFindsAtTheCaret", laLa, QStringLiteral("la"), false, false, 3, 0, 3},
        FindCase{"DownFindsAtTheCaret", laLa, QStringLiteral("la"), true, false, 0, 0, 0},
        FindCase{"DownSkipsTheSelection", laLa, QStringLiteral("la"), true, false, 0, 2, 3},
        FindCase{"DownNoWrap", laLa, QStringLiteral("la"), true, false, 3, 2, -1},
        // A found character is selected: the next search goes past it, either way.
        FindCase{"DownPastAFoundCharacter", laLa, QStringLiteral("a"), true, false, 1, 1, 4},
        FindCase{"UpPastAFoundCharacter", laLa, QStringLiteral("a"), false, false, 4, 1, 1},
        FindCase{"CaseIgnored", laLa, QStringLiteral("LA"), false, false, 5, 0, 3},
        FindCase{"CaseRespected", laLa, QStringLiteral("LA"), false, true, 5, 0, -1},
        FindCase{"CaseRespectedFinds", QStringLiteral("LA la"), QStringLiteral("LA"), false, true,
                 5, 0, 0},
        // ß's capital is two letters: positions after it must not shift.
        FindCase{"LongerCapitalUp", QStringLiteral("Straße la"), QStringLiteral("la"), false, false,
                 9, 0, 7},
        FindCase{"LongerCapitalDown", QStringLiteral("ßßßß la"), QStringLiteral("LA"), true, false,
                 0, 0, 5},
        FindCase{"EmptyTextMatchesFirstTried", laLa, QString(), true, false, 2, 0, 2},
        FindCase{"LongerThanTheText", laLa, QStringLiteral("la la la"), false, false, 5, 0, -1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Layout, DesignSize)
{
    const MiseEnPage m = miseEnPage(9645, 7965, kRichTextBox1);
    EXPECT_EQ(m.editeur.left, 100);
    EXPECT_EQ(m.editeur.top, 190);
    EXPECT_EQ(m.editeur.width, 9095);
    EXPECT_EQ(m.editeur.height, 6715);
    EXPECT_EQ(m.cadreLargeur, 9295);
    EXPECT_EQ(m.cadreHauteur, 7615);
    EXPECT_EQ(m.boutonTop, 6985);
    EXPECT_DOUBLE_EQ(m.boutonLeft, 3547.5);
}

TEST(Layout, TooSmallKeepsTheEditorAndPlacesTheRestFromIt)
{
    const TwipsRect dernier{100, 190, 3000, 2000};
    const MiseEnPage m = miseEnPage(500, 5000, dernier);
    EXPECT_EQ(m.editeur.width, 3000);
    EXPECT_EQ(m.editeur.height, 2000);
    EXPECT_EQ(m.cadreLargeur, 3200);
    EXPECT_EQ(m.boutonTop, 2270);
}
