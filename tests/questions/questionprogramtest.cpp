#include "questionprogramtest.h"

#include "datafiles/settingsfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QResource>
#include <QSet>

#include <cstdio>
#include <sys/resource.h>

namespace {
QString productsDir()
{
    return QStringLiteral(TEMPEL_PRODUCTS_DIR);
}
} // namespace

void QuestionProgramTest::installFromBuild(const QString &fileName)
{
    if (exists(fileName))
        return;
    ASSERT_TRUE(QFile::copy(QDir(productsDir()).filePath(fileName), path(fileName)))
        << fileName.toStdString();
}

std::vector<datafiles::Item> QuestionProgramTest::ask(const QString &key, int timeoutMs)
{
    const QString file = QStringLiteral("questions/") + key;
    QDir(m_folder.path()).mkpath(QStringLiteral("questions"));
    installFromBuild(file);
    QProcess program;
    // Started from elsewhere on purpose: the program's own folder is the program folder.
    program.setWorkingDirectory(QDir::tempPath());
#if !defined(__SANITIZE_ADDRESS__)
    // A program reading an endless device fails fast instead of taking the machine's memory.
    program.setChildProcessModifier([] {
        const rlimit limit{rlim_t(64) << 20, rlim_t(64) << 20};
        setrlimit(RLIMIT_AS, &limit);
    });
#endif
    program.start(path(file), {});
    if (!program.waitForFinished(timeoutMs)) {
        program.kill();
        program.waitForFinished();
        ADD_FAILURE() << key.toStdString() << " was still running after " << timeoutMs << " ms";
        return {};
    }
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    return datafiles::readItems(readFile(QStringLiteral("question.tpq")), 10);
}

void QuestionProgramTest::lay(const QString &relativePath, const QByteArray &bytes)
{
    ASSERT_TRUE(QDir(m_folder.path()).mkpath(QFileInfo(relativePath).path()));
    writeFile(relativePath, bytes);
}

void QuestionProgramTest::newGame()
{
    // Written beside it first, so that it is a new file, whatever the clock's resolution.
    writeFile("random.tpq.neuf", exists("random.tpq") ? readFile("random.tpq") : "0,1\r\n");
    ASSERT_EQ(std::rename(QFile::encodeName(path("random.tpq.neuf")).constData(),
                          QFile::encodeName(path("random.tpq")).constData()),
              0);
}

QStringList QuestionProgramTest::texts(const std::vector<datafiles::Item> &items)
{
    QStringList out;
    for (std::size_t i = 0; i < 8 && i < items.size(); ++i)
        out << items[i].asText();
    return out;
}

void expectEachOnceThenAnew(int count, const std::function<QString()> &askOne)
{
    QStringList asked;
    for (int run = 0; run <= count && !::testing::Test::HasFailure(); ++run)
        asked << askOne();
    ASSERT_EQ(asked.size(), count + 1);
    const QStringList round = asked.mid(0, count);
    EXPECT_EQ(QSet<QString>(round.begin(), round.end()).size(), count)
        << "a question came twice: " << round.join(" / ").toStdString();
    EXPECT_NE(asked.back(), asked[count - 1]) << asked.back().toStdString();
}

bool packHasPicture(const QString &rcc, const QString &name)
{
    static int counter = 0;
    const QString root = QStringLiteral("/check%1").arg(++counter);
    if (!QResource::registerResource(rcc, root))
        return false;
    const bool found = QFile::exists(QStringLiteral(":%1/IMAGES/%2").arg(root, name));
    QResource::unregisterResource(rcc, root);
    return found;
}

void expectAnswersWell(const std::vector<datafiles::Item> &items)
{
    ASSERT_EQ(items.size(), 9u);
    QSet<QString> answers;
    for (int i = 1; i <= 4; ++i) {
        if (!items[i].asText().isEmpty()) {
            EXPECT_FALSE(answers.contains(items[i].asText())) << items[i].asText().toStdString();
        }
        answers.insert(items[i].asText());
    }
    const auto right = items[5].numericValue();
    ASSERT_TRUE(right && *right >= 1 && *right <= 4) << items[5].asText().toStdString();
    EXPECT_FALSE(items[std::size_t(*right)].asText().isEmpty());
}
