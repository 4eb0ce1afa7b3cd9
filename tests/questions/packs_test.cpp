#include "questionprogramtest.h"

#include "itemcore/bytes1252.h"
#include "support/questiontexts.h"

#include <QDir>
#include <QFile>

namespace {
const char *const kPacks[] = {"compos", "visages", "organa", "lexique"};

QString bankPath(const QString &key)
{
    return QStringLiteral(TEMPEL_SOURCE_DIR "/questions/banks/%1.txt").arg(key);
}

// The bank's questions as the pack's program reads them: items 1 to 8 as texts.
std::vector<QStringList> bankQuestions(const QString &key)
{
    std::vector<QStringList> questions;
    QFile bank(bankPath(key));
    if (!bank.open(QIODevice::ReadOnly))
        return questions;
    while (!bank.atEnd()) {
        const QByteArray line = bank.readLine().trimmed();
        if (line.isEmpty())
            continue;
        const auto bytes = itemcore::utf8To1252(line.toStdString());
        const auto question =
            bytes ? questionTexts(QByteArray::fromStdString(*bytes)) : std::nullopt;
        EXPECT_TRUE(question) << line.constData();
        if (question)
            questions.push_back(*question);
    }
    return questions;
}

class Pack : public QuestionProgramTest, public ::testing::WithParamInterface<const char *> {};
} // namespace

TEST_P(Pack, AsksEachQuestionOfItsBankOnceWithItsResourceFile)
{
    const QString key = GetParam();
    const auto bank = bankQuestions(key);
    ASSERT_FALSE(bank.empty());
    const QString rcc = QDir(QStringLiteral(TEMPEL_PRODUCTS_DIR)).filePath(key + ".rcc");
    expectEachOnceThenAnew(int(bank.size()), [&] {
        const auto items = ask(key);
        expectAnswersWell(items);
        if (HasFailure())
            return QString();
        EXPECT_NE(std::find(bank.begin(), bank.end(), texts(items)), bank.end())
            << texts(items).join('|').toStdString();
        EXPECT_EQ(items[8].asText(), key + ".rcc");
        const QString picture = items[6].asText();
        EXPECT_FALSE(picture.isEmpty());
        EXPECT_TRUE(packHasPicture(rcc, picture)) << picture.toStdString();
        return texts(items).join('|');
    });
}

INSTANTIATE_TEST_SUITE_P(Subjects, Pack, ::testing::ValuesIn(kPacks),
                         [](const ::testing::TestParamInfo<const char *> &info) {
                             return std::string(info.param);
                         });
