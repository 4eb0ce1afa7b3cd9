// Best-score lists: the substitution tables, ranking, shifting, the score files and what
// happens to damaged or unusable ones, measured with a fixed-width text measure.
#include "game/services/form_admin.h"
#include "game/services/highscorelist.h"
#include "platform/codec1252.h"
#include "platform/controls.h"

#include "game/pointememoire.h"
#include "support/hostilefiles.h"
#include "support/messagerecorder.h"
#include "support/programfoldertest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

using namespace highscores;

namespace {
// Every character one unit wide: a name is padded to 20 characters.
int monospace(const QString &text, const QFont &)
{
    return static_cast<int>(text.size());
}

QString blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

// An entry as the list shows it, with the monospace measure.
QString entry(int number, const QString &name, int score)
{
    QString padded = name;
    if (padded.size() < 20)
        padded += blanks(20 - static_cast<int>(padded.size()));
    return QStringLiteral("%1. %2\t%3").arg(number).arg(padded).arg(score);
}

class HighScores : public ProgramFolderTest, protected MessageRecorder {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        enregistrerMessages();
        setType("question");
    }
    void setType(const char *type) { form_admin().Label_type_de_jeu->setCaption(type); }

    // A list object as the screens set it up, then filled into `box`.
    std::unique_ptr<HighScoreList> filled(platform::ListBox &box)
    {
        auto list = std::make_unique<HighScoreList>();
        list->setTextMeasure(monospace);
        list->SetListCount(15);
        list->FileName(list->DefaultFileName());
        list->FillScoreList(box);
        return list;
    }
    QStringList shown(const platform::ListBox &box)
    {
        QStringList out;
        for (int i = 0; i < box.ListCount(); ++i)
            out += box.List(i);
        return out;
    }
    // A score file made of the given plain lines, scrambled as stored.
    void writeScores(const char *file, const QStringList &lines)
    {
        QString text;
        for (const QString &line : lines)
            text += scrambleLine(line) + QStringLiteral("\r\n");
        writeFile(file, *platform::encode1252(text));
    }
    // Plain lines "name<Tab>score" for scores from `top` down by `step`.
    static QStringList ranked(int count, int top, int step)
    {
        QStringList lines;
        for (int i = 0; i < count; ++i)
            lines += QStringLiteral("P%1\t%2").arg(i + 1).arg(top - i * step);
        return lines;
    }

    platform::ListBox box{nullptr, QStringLiteral("lstScores")};
};
} // namespace

TEST(ScoreScramble, TablesAreASelfInversePermutationOf111CharactersOfTheCodePage)
{
    const QString a = tableA();
    const QString b = tableB();
    ASSERT_EQ(a.size(), 111);
    EXPECT_EQ(QSet<QChar>(a.begin(), a.end()).size(), 111);
    EXPECT_EQ(std::count_if(a.begin(), a.end(), [](QChar c) { return c.unicode() < 128; }), 82);
    EXPECT_FALSE(a.contains(QLatin1Char('"')));
    EXPECT_TRUE(platform::holdsIn1252(a));
    QString sortedA = a, sortedB = b;
    std::sort(sortedA.begin(), sortedA.end());
    std::sort(sortedB.begin(), sortedB.end());
    EXPECT_EQ(sortedA, sortedB);
    for (QChar c : a + QLatin1Char('\t'))
        EXPECT_EQ(scrambleLine(scrambleLine(QString(c))), QString(c)) << QString(c).toStdString();
}

TEST(ScoreRules, LeadingNumberOfAScoreText)
{
    const std::pair<const char *, int> cases[] = {
        {"-100", -100},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"  -7x", -7},
        {"3.9", 3},
        {"-", 0},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483648},
    };
    for (const auto &[text, value] : cases)
        EXPECT_EQ(leadingNumber(QString::fromUtf8(text)), value) << text;
}

TEST(ScoreRules, RankingPutsATieBelowTheScoresAlreadyThere)
{
    struct Case {
        std::vector<int> scores;
        int score;
        int position;
    };
    const std::vector<int> full = {90, 80, 70, 60, 60, 50, 40, 30, 20, 10, 0, -10, -20, -30, -40};
    const Case cases[] = {
        {std::vector<int>(15, -100), 0, 0},
        {std::vector<int>(15, -100), -100, -1}, // equal to every entry: does not enter
        {std::vector<int>(15, -100), -99, 0},
        {full, 60, 5}, // equal to entries 3 and 4, higher than entry 5
        {full, 61, 3},
        {full, 95, 0},
        {full, -40, -1},
        {full, -39, 14},
        {{10, 5, 1}, -50, 3}, // missing entries count as -100
        {{}, -99, 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(findScorePosition(c.scores, 15, c.score), c.position) << c.score;
}

TEST(ScoreRules, PaddingStopsAtTheColumnOrForAWideName)
{
    auto chars = [](const QString &t) { return static_cast<int>(t.size()); };
    EXPECT_EQ(padName("Ana", 5, chars, chars), "Ana  ");
    EXPECT_EQ(padName("Anastasia", 5, chars, chars), "Anastasia");
    // A blank that never widens the name must not hang the game.
    auto noBlank = [](const QString &t) { return static_cast<int>(t.trimmed().size()); };
    EXPECT_EQ(padName("Ana", 5, noBlank, noBlank), "Ana" + blanks(kMaxPadding));
}

TEST_F(HighScores, ANewFileHoldsExactlyFifteenDefaultLines)
{
    filled(box);
    // The stored form of "<Tab>-100", typed in: a change of the tables would lose every file.
    QByteArray expected;
    for (int i = 0; i < 15; ++i)
        expected += "\tR\x80\x8C\x8C\r\n";
    EXPECT_EQ(readFile("Scoresquestion.tpq"), expected);
    ASSERT_EQ(box.ListCount(), 15);
    EXPECT_EQ(box.List(0), entry(1, "", -100));
    EXPECT_EQ(box.List(14), entry(15, "", -100));
}

TEST_F(HighScores, ScoresEnterAtTheirRankAndTheFileFollows)
{
    auto list = filled(box);
    EXPECT_TRUE(list->AddHighScore(box, "Ana", 10));
    EXPECT_TRUE(list->AddHighScore(box, "Bob", 30));
    EXPECT_TRUE(list->AddHighScore(box, "Cid", 10)); // a tie ranks below Ana
    EXPECT_EQ(box.ListIndex(), 2);
    EXPECT_FALSE(list->AddHighScore(box, "Dan", -100));
    EXPECT_EQ(shown(box).mid(0, 4), QStringList({entry(1, "Bob", 30), entry(2, "Ana", 10),
                                                 entry(3, "Cid", 10), entry(4, "", -100)}));
    ASSERT_EQ(box.ListCount(), 15);

    platform::ListBox again(nullptr, "again");
    filled(again);
    EXPECT_EQ(shown(again), shown(box));
    EXPECT_EQ(countLines(QString::fromLatin1(readFile("Scoresquestion.tpq"))), 15);
}

TEST_F(HighScores, AFullListLetsItsLastScoreFallOff)
{
    writeScores("Scoresquestion.tpq", ranked(15, 150, 10)); // 150 down to 10
    auto list = filled(box);
    EXPECT_TRUE(list->AddHighScore(box, "J.S. Bach", 55));
    EXPECT_EQ(box.List(9), entry(10, "P10", 60));
    EXPECT_EQ(box.List(10), entry(11, "J.S. Bach", 55));
    EXPECT_EQ(box.List(11), entry(12, "P11", 50));
    EXPECT_EQ(box.List(14), entry(15, "P14", 20));
    // A name holding dots survives being moved down.
    EXPECT_TRUE(list->AddHighScore(box, "Zoé", 1000));
    EXPECT_EQ(box.List(11), entry(12, "J.S. Bach", 55));
    EXPECT_FALSE(list->AddHighScore(box, "Last", 10));
}

TEST_F(HighScores, ASixteenLineFileIsReadAndAFourteenLineFileIsCompleted)
{
    writeScores("Scoresquestion.tpq", ranked(16, 160, 10));
    const QByteArray sixteen = readFile("Scoresquestion.tpq");
    filled(box);
    EXPECT_EQ(box.List(14), entry(15, "P15", 20));
    EXPECT_EQ(readFile("Scoresquestion.tpq"), sixteen);

    writeScores("Scoresquestion.tpq", ranked(14, 140, 10));
    platform::ListBox shortList(nullptr, "short");
    filled(shortList);
    EXPECT_EQ(shortList.List(0), entry(1, "P1", 140));
    EXPECT_EQ(shortList.List(13), entry(14, "P14", 10));
    EXPECT_EQ(shortList.List(14), entry(15, "", -100));
    EXPECT_EQ(countLines(QString::fromLatin1(readFile("Scoresquestion.tpq"))), 15);
}

// A file cut short by a crash or a full disk loses none of the entries it still holds, and
// the entries read back the same from the completed file.
TEST_F(HighScores, AShortFileIsCompletedWithDefaultEntriesKeepingEveryEntryItHolds)
{
    struct Case {
        const char *why;
        QByteArray bytes;
        QStringList shownFirst; // the entries the file still gave
    };
    const QString p1 = scrambleLine("Ana\t90");
    const QString p2 = scrambleLine("Bob\t80");
    const QByteArray ana = *platform::encode1252(p1);
    const QByteArray bob = *platform::encode1252(p2);
    const Case cases[] = {
        {"empty file", "", {}},
        {"one line", ana + "\r\n", {entry(1, "Ana", 90)}},
        {"two lines", ana + "\r\n" + bob + "\r\n", {entry(1, "Ana", 90), entry(2, "Bob", 80)}},
        {"last line without its end",
         ana + "\r\n" + bob,
         {entry(1, "Ana", 90), entry(2, "Bob", 80)}},
        {"line feeds only", ana + "\n" + bob + "\n", {entry(1, "Ana", 90), entry(2, "Bob", 80)}},
    };
    for (const Case &c : cases) {
        writeFile("Scoresquestion.tpq", c.bytes);
        platform::ListBox first(nullptr, "first");
        filled(first);
        QStringList expected = c.shownFirst;
        for (int i = static_cast<int>(expected.size()); i < 15; ++i)
            expected += entry(i + 1, "", -100);
        EXPECT_EQ(shown(first), expected) << c.why;
        EXPECT_EQ(countLines(QString::fromLatin1(readFile("Scoresquestion.tpq"))), 15) << c.why;
        platform::ListBox again(nullptr, "again");
        filled(again);
        EXPECT_EQ(shown(again), expected) << c.why;
    }
}

TEST_F(HighScores, AFifteenLineFileWhoseLastLineHasNoEndKeepsThatLineAndIsNotRewritten)
{
    writeScores("Scoresquestion.tpq", ranked(15, 150, 10));
    QByteArray bytes = readFile("Scoresquestion.tpq");
    bytes.chop(2);
    writeFile("Scoresquestion.tpq", bytes);
    filled(box);
    EXPECT_EQ(box.List(14), entry(15, "P15", 10));
    EXPECT_EQ(readFile("Scoresquestion.tpq"), bytes);
}

// Only the first 32,000 characters are read: a file whose start holds fewer than 15 lines is
// completed from them, a line cut by that limit is dropped, and the rest is never held.
TEST_F(HighScores, AHugeFileIsReadOnlyAsFarAsItsStart)
{
    const QByteArray ana = *platform::encode1252(scrambleLine("Ana\t90")) + "\r\n";
    writeFile("Scoresquestion.tpq", ana + QByteArray(40000, 'x') + "\r\n");
    filled(box);
    EXPECT_EQ(box.List(0), entry(1, "Ana", 90));
    EXPECT_EQ(box.List(1), entry(2, "", -100));
    EXPECT_EQ(readFile("Scoresquestion.tpq").size(), 15 * 2 + ana.size() - 2 + 14 * 5);

    // Fifteen good lines, then a mountain of bytes: read, never rewritten.
    writeScores("Scoresquestion.tpq", ranked(15, 150, 10));
    {
        QFile big(path("Scoresquestion.tpq"));
        ASSERT_TRUE(big.open(QIODevice::Append));
        ASSERT_TRUE(big.resize(qint64(400) << 20)); // sparse
    }
    platform::ListBox huge(nullptr, "huge");
    const long avant = pointeMemoireKo();
    filled(huge);
    EXPECT_LT(pointeMemoireKo() - avant, kCroissanceMaxKo);
    EXPECT_EQ(huge.List(14), entry(15, "P15", 10));
    EXPECT_EQ(QFileInfo(path("Scoresquestion.tpq")).size(), qint64(400) << 20);
}

TEST_F(HighScores, TheTwoGameTypesKeepTheirOwnFiles)
{
    filled(box)->AddHighScore(box, "Quiz", 12);
    const QByteArray question = readFile("Scoresquestion.tpq");

    setType("temps");
    platform::ListBox temps(nullptr, "temps");
    auto list = filled(temps);
    EXPECT_EQ(temps.List(0), entry(1, "", -100));
    list->AddHighScore(temps, "Chrono", 99);
    EXPECT_EQ(readFile("Scoresquestion.tpq"), question);

    setType("question");
    platform::ListBox back(nullptr, "back");
    filled(back);
    EXPECT_EQ(back.List(0), entry(1, "Quiz", 12));
}

TEST_F(HighScores, DamagedLinesReadAsTheirNameAndLeadingNumber)
{
    QStringList lines = ranked(15, 150, 10);
    lines[0] = "Sans séparateur";
    lines[1] = "Ana\t12abc";
    lines[2] = "Bob\tbeaucoup";
    lines[3] = "Cid\t-7\tx";
    writeScores("Scoresquestion.tpq", lines);
    filled(box);
    EXPECT_EQ(box.List(0), entry(1, "Sans séparateur", -100));
    EXPECT_EQ(box.List(1), entry(2, "Ana", 12));
    EXPECT_EQ(box.List(2), entry(3, "Bob", 0));
    EXPECT_EQ(box.List(3), entry(4, "Cid", -7));
}

TEST_F(HighScores, ATabInANameBecomesABlank)
{
    auto list = filled(box);
    list->AddHighScore(box, "Jean\tMarc", 40);
    EXPECT_EQ(box.List(0), entry(1, "Jean Marc", 40));
    platform::ListBox again(nullptr, "again");
    filled(again);
    EXPECT_EQ(again.List(0), entry(1, "Jean Marc", 40));
}

TEST_F(HighScores, AListNeverFilledCountsItsMissingEntriesAsEmpty)
{
    HighScoreList list;
    list.setTextMeasure(monospace);
    EXPECT_TRUE(list.AddHighScore(box, "Ana", -50));
    ASSERT_EQ(box.ListCount(), 15);
    EXPECT_EQ(box.List(0), entry(1, "Ana", -50));
    EXPECT_EQ(box.List(14), entry(15, "", -100));
    EXPECT_EQ(countLines(QString::fromLatin1(readFile("Scoresquestion.tpq"))), 15);
}

// What can be neither read nor replaced leaves an empty list that works; a score that enters
// it is not shown as kept when it could not be, and the players are told why.
TEST_F(HighScores, AScoreFileThatCannotBeWrittenKeepsNoScoreAndSaysWhy)
{
    const std::pair<Hostile, const char *> places[] = {
        {Hostile::Folder, "un dossier porte déjà ce nom"},
        {Hostile::Fifo, "ce nom désigne un périphérique, un tube ou un autre objet qui n'est pas "
                        "un fichier ordinaire, et qui n'est pas remplacé"}};
    for (const auto &[place, why] : places) {
        layHostile(path("Scoresquestion.tpq"), place, {});
        m_messages.clear();
        box.Clear();
        auto list = filled(box);
        ASSERT_EQ(box.ListCount(), 15);
        EXPECT_FALSE(list->AddHighScore(box, "Ana", 5));
        EXPECT_EQ(box.List(0), entry(1, "", -100));
        EXPECT_EQ(box.ListIndex(), -1);
        ASSERT_EQ(m_messages.size(), 1u);
        EXPECT_EQ(m_messages[0].text,
                  QString::fromUtf8("Le meilleur score n'a pas pu être enregistré et n'est pas "
                                    "ajouté à la liste.\nImpossible d'enregistrer le fichier "
                                    "Scoresquestion.tpq : %1.")
                      .arg(QString::fromUtf8(why)));
        EXPECT_EQ(m_messages[0].style, platform::vbExclamation);
        EXPECT_EQ(m_messages[0].title, "Erreur");
    }
}

TEST_F(HighScores, AnUnknownGameTypeTouchesNoFile)
{
    setType("autre");
    auto list = filled(box);
    ASSERT_EQ(box.ListCount(), 15);
    EXPECT_TRUE(list->AddHighScore(box, "Ana", 5));
    EXPECT_EQ(box.List(0), entry(1, "Ana", 5));
    EXPECT_TRUE(QDir(m_folder.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(HighScores, ANameWithCharactersOutsideTheTableComesBackWithoutThem)
{
    auto list = filled(box);
    list->AddHighScore(box, "Ñico_1", 7);
    EXPECT_EQ(box.List(0), entry(1, "Ñico_1", 7));
    platform::ListBox again(nullptr, "again");
    filled(again);
    EXPECT_EQ(again.List(0), entry(1, "ico1", 7));
}
