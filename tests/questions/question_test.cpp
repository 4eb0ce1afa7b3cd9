#include "datafiles/itemformat.h"
#include "platform/codec1252.h"
#include "questions/question.h"
#include "questions/questionline.h"
#include "questions/tirage.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <set>

using namespace questions;

namespace {
std::vector<datafiles::Item> asGameReadsIt(const Question &q)
{
    return datafiles::readItems(QByteArray::fromStdString(recordOf(q)), 10);
}
} // namespace

TEST(QuestionRecord, EveryTextIsMadeFitForAnItem)
{
    Question q;
    q.texte_question = "Qui a dit \"oui\"\r\n?";
    q.reponses = {"a\x81", "b\tc", "", ""};
    q.bonne_reponse = 2;
    q.image = "x\\y.jpg";
    const auto items = asGameReadsIt(q);
    ASSERT_EQ(items.size(), 9u);
    EXPECT_EQ(items[0].asText(), "Qui a dit 'oui'  ?");
    EXPECT_EQ(items[1].asText(), "a?");
    EXPECT_EQ(items[2].asText(), "b c");
    EXPECT_TRUE(items[5].equalsNumber(2));
    EXPECT_EQ(items[6].asText(), "x\\y.jpg");
}

TEST(QuestionRecord, AnExplanationHasNoRightAnswer)
{
    const auto items =
        asGameReadsIt(explanation("Le fichier est introuvable : ", "caf\xE9.txt", "compos.rcc"));
    ASSERT_EQ(items.size(), 9u);
    EXPECT_EQ(items[0].asText(), QString::fromUtf8("Le fichier est introuvable : café.txt"));
    EXPECT_EQ(items[5].kind, datafiles::Item::Kind::Text);
    EXPECT_TRUE(items[5].asText().isEmpty());
    EXPECT_EQ(items[8].asText(), "compos.rcc");
}

TEST(QuestionText, TheEncodingIsDecidedOncePerFile)
{
    using enum TextEncoding;
    const std::string blankStart(70000, '\n');
    const std::pair<std::string, TextEncoding> rows[] = {
        {"caf\xC3\xA9 \xF0\x9F\x8E\xB5\r\n", Utf8},
        {"caf\xE9\r\n", Windows1252},
        {"cafe\r\n", Windows1252},
        {"\xEF\xBB\xBF"
         "cafe\r\n",
         Utf8},
        // A Windows-1252 line that happens to be valid UTF-8 ("Ã©") in a file that is not.
        {"\xC3\xA9\r\ncaf\xE9\r\n", Windows1252},
        // A file whose end cuts its last character short, or that spells one overlong.
        {"caf\xC3\xA9 \xE2\x99", Windows1252},
        {"caf\xC0\xA9\r\n", Windows1252},
        {"caf\xE0\x9F\xBF\r\n", Windows1252},
        // However far into the file the first character beyond ASCII, or the first byte that is
        // not UTF-8, comes.
        {blankStart + "caf\xC3\xA9\r\n", Utf8},
        {"caf\xC3\xA9\r\n" + blankStart + "caf\xE9\r\n", Windows1252},
    };
    for (const auto &[file, encoding] : rows) {
        EncodingJudge whole, byByte;
        whole.feed(file);
        for (const char c : file)
            byByte.feed(std::string_view(&c, 1));
        EXPECT_EQ(whole.verdict(), encoding) << file.substr(0, 20);
        EXPECT_EQ(byByte.verdict(), encoding) << file.substr(0, 20);
    }
    EXPECT_EQ(lineIn1252("caf\xC3\xA9 \xE2\x99\xAA", Utf8), "caf\xE9 ?");
    EXPECT_EQ(lineIn1252("\xC3\xA9", Windows1252), "\xC3\xA9");
    EXPECT_EQ(lineIn1252("caf\xE9", Utf8), "caf\xE9");
}

// Once every question has been asked, a new round gives each once again, and does not begin
// with the last one asked. Each draw is a program run of its own.
TEST(Tirage, EveryRoundGivesEachQuestionOnce)
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    constexpr long long kCount = 6;
    long long last = -1;
    for (int round = 1; round <= 3; ++round) {
        std::set<long long> asked;
        for (long long i = 0; i < kCount; ++i) {
            const long long drawn = Tirage(folder, "compos").draw(kCount);
            if (i == 0) {
                EXPECT_NE(drawn, last) << "round " << round;
            }
            asked.insert(drawn);
            last = drawn;
        }
        EXPECT_EQ(asked.size(), std::size_t(kCount)) << "round " << round;
    }
}

TEST(QuestionLine, TakesTheRightAnswerQuotedOrBare)
{
    const auto quoted = parseQuestionLine("\"Q\",\"a\",\"b\",\"\",\"\",\"2\",\"p.jpg\",\"s.mp3\"");
    ASSERT_TRUE(quoted);
    EXPECT_EQ(quoted->bonne_reponse, 2);
    EXPECT_EQ(quoted->image, "p.jpg");
    EXPECT_EQ(quoted->son, "s.mp3");
    const auto bare = parseQuestionLine("\"Q\", \"a\",\"b\",\"c\",\"d\", 4 ,\"\",\"\"");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->bonne_reponse, 4);
    EXPECT_FALSE(parseQuestionLine("\"\",\"a\",\"b\",\"c\",\"d\",\"1\",\"\",\"\""))
        << "no question";
    EXPECT_FALSE(parseQuestionLine("\"Q\",\"a\",\"b\",\"c\",\"d\",\"1.5\",\"\",\"\""));
    EXPECT_FALSE(parseQuestionLine("\"Q\",\"a\",\"b\",\"c\",\"d\",\"1\",\"\",\"\","));
}
