#include "platform/wholefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>

using namespace platform;

TEST(WholeFile, WriteReplacesTheFileWhole)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("a.tpq");
    ASSERT_TRUE(writeWholeFile(path, "un texte bien plus long\r\n"));
    ASSERT_TRUE(writeWholeFile(path, "court\r\n"));
    EXPECT_EQ(readWholeFile(path, 100).bytes, QByteArray("court\r\n"));
}

TEST(WholeFile, AFailedWriteSaysWhyAndLeavesNothingBehind)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("absent/a.tpq");
    const WriteResult result = writeWholeFile(path, "x");
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains("a.tpq"));
    EXPECT_EQ(readWholeFile(path, 100).status, FileRead::Missing);
}

// What the user reads when a save fails: French to the end, the cause by name.
TEST(WholeFile, AFolderInTheFilesPlaceIsNamedInFrench)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("KSV.tpq");
    ASSERT_TRUE(QDir(dir.path()).mkdir("KSV.tpq"));
    const WriteResult result = writeWholeFile(path, "x");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error,
              QString::fromUtf8("Impossible d'enregistrer le fichier KSV.tpq : un dossier porte "
                                "déjà ce nom."));
}

TEST(WholeFile, AMissingFolderIsNamedInFrench)
{
    QTemporaryDir dir;
    const QString folder = QDir(dir.path()).filePath("absent");
    const WriteResult result = writeWholeFile(folder + "/a.tpq", "x");
    EXPECT_EQ(result.error, QString::fromUtf8("Impossible d'enregistrer le fichier a.tpq : le "
                                              "dossier %1 n'existe pas.")
                                .arg(folder));
}

TEST(WholeFile, CommonCausesOfAFailedWriteAreSaidInFrench)
{
    const std::pair<int, const char *> causes[] = {
        {EROFS, "le disque ou le dossier est en lecture seule"},
        {EACCES, "vous n'avez pas le droit d'écrire dans ce dossier"},
        {EPERM, "vous n'avez pas le droit d'écrire dans ce dossier"},
        {ENOSPC, "il n'y a plus de place sur le disque"},
        {EDQUOT, "il n'y a plus de place sur le disque"},
        {EISDIR, "un dossier porte déjà ce nom"},
        {ENOENT, "le dossier n'existe pas"},
        {EIO, "le disque ne répond pas (erreur de lecture ou d'écriture)"},
        {0, "le système n'a pas donné de raison"},
        {EMFILE, "erreur du système n° 24"},
    };
    for (const auto &[number, why] : causes)
        EXPECT_EQ(writeFailureReason(number), QString::fromUtf8(why)) << number;
}

// A reader that needs the start of a file holds that much and no more, however big the file.
TEST(WholeFile, TheStartOfAHugeFileIsAllThatIsRead)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("Scoresquestion.tpq");
    {
        QFile big(path);
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        big.write("debut");
        ASSERT_TRUE(big.resize(qint64(400) << 20)); // sparse: costs no disk
    }
    const auto start = readFileStart(path, 32000);
    ASSERT_TRUE(start);
    EXPECT_EQ(start->size(), 32000);
    EXPECT_TRUE(start->startsWith("debut"));
    writeWholeFile(path, "court");
    EXPECT_EQ(*readFileStart(path, 32000), QByteArray("court"));
    EXPECT_FALSE(readFileStart(QDir(dir.path()).filePath("absent.tpq"), 10));
}
