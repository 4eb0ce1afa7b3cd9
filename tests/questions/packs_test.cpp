#include "questionprogramtest.h"

#include "itemcore/bytes1252.h"
#include "questions/questionline.h"

#include <QDir>
#include <QFile>

namespace {
const char *const kPacks[] = {"compos", "visages", "organa", "lexique"};

QString bankPath(const QString &key)
{
    return QStringLiteral(TEMPEL_SOURCE_DIR "/questions/banks/%1.txt").arg(key);
}

// The bank's lines as the pack's program gives them: items 1 to 8 as texts.
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
        QStringList texts;
        for (const auto &item : datafiles::readItems(
                 QByteArray::fromStdString(*itemcore::utf8To1252(line.toStdString())), 8))
            texts << item.asText();
        questions.push_back(texts);
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
    const QString rcc = QDir(QStringLiteral(TEMPEL_BUILD_APP_DIR)).filePath(key + ".rcc");
    expectEachOnceThenAnew(int(bank.size()), [&] {
        const auto items = ask(key);
        expectAnswersWell(items);
        if (HasFailure())
            return QString();
        EXPECT_NE(std::find(bank.begin(), bank.end(), texts(items)), bank.end())
            << texts(items).join('|').toStdString();
        EXPECT_EQ(items[8].asText(), key + ".rcc");
        const QString picture = items[6].asText();
        if (!picture.isEmpty() && QFile::exists(rcc)) {
            EXPECT_TRUE(packHasPicture(rcc, picture)) << picture.toStdString();
        }
        return texts(items).join('|');
    });
}

TEST_P(Pack, EveryLineOfItsBankIsAQuestionWithDistinctAnswers)
{
    QFile bank(bankPath(GetParam()));
    ASSERT_TRUE(bank.open(QIODevice::ReadOnly));
    int number = 0;
    while (!bank.atEnd()) {
        const QByteArray line = bank.readLine();
        ++number;
        const auto bytes = itemcore::utf8To1252(line.trimmed().toStdString());
        ASSERT_TRUE(bytes) << "line " << number << " is not Windows-1252 text";
        const auto question = questions::parseQuestionLine(*bytes);
        ASSERT_TRUE(question) << "line " << number;
        for (std::size_t i = 0; i < 4; ++i) {
            for (std::size_t j = i + 1; j < 4; ++j) {
                if (!question->reponses[i].empty()) {
                    EXPECT_NE(question->reponses[i], question->reponses[j]) << "line " << number;
                }
            }
        }
        EXPECT_TRUE(question->son.empty()) << "line " << number;
    }
}

INSTANTIATE_TEST_SUITE_P(Subjects, Pack, ::testing::ValuesIn(kPacks),
                         [](const ::testing::TestParamInfo<const char *> &info) {
                             return std::string(info.param);
                         });
