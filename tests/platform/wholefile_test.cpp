#include "platform/wholefile.h"

#include "itemcore/items.h"
#include "platform/animatedpicture.h"
#include "platform/audioplayer.h"
#include "platform/picturefile.h"
#include "support/hostilefiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>

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
        {ELOOP, "les liens du chemin se renvoient l'un à l'autre sans fin"},
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

// Every reader of the platform takes only a regular file, never waits on one, and reads what
// it needs of a huge one.
TEST(WholeFile, EveryReaderTakesARegularFileOnly)
{
    QTemporaryDir dir;
    const auto at = [&dir](const char *name) { return QDir(dir.path()).filePath(name); };
    const QByteArray record = "\"un\",2\r\n\"trois\"\r\n";
    const auto items = [](const std::optional<QByteArray> &data) {
        if (!data)
            return QString("(aucun)");
        QStringList texts;
        for (const auto &item : itemcore::readItems(data->toStdString(), 3))
            texts << QString::fromStdString(item.bytes);
        return texts.join('|');
    };
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage(3, 2, QImage::Format_RGB32).save(&buffer, "PNG");
    QWidget screen;
    auto *avatar = new AnimatedPicture(&screen, "Image1");
    avatar->resize(30, 20);
    screen.show();
    const auto oui = [](bool b) { return QString(b ? "oui" : "non"); };

    expectReadersWithstandHostileFiles(
        dir.path(),
        {{"the start of a file", "a.tpq", record, "un|2|trois", "(aucun)",
          [&] { return items(readFileStart(at("a.tpq"), 4096)); }},
         {"a whole file", "b.tpq", record, "un|2|trois", "(aucun)",
          [&] {
              const FileRead read = readWholeFile(at("b.tpq"), 64 << 20);
              return items(read.status == FileRead::Ok ? std::optional(read.bytes) : std::nullopt);
          },
          true},
         {"the test that a file opens", "c.txt", record, "oui", "non",
          [&] { return oui(isReadableFile(at("c.txt"))); }},
         {"a sound's first bytes", "d.wav", QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16), "oui", "non",
          [&] { return oui(holdsKnownSound(at("d.wav"))); }, false, false},
         {"a picture", "e.png", png, "3x2", "(aucune)",
          [&] {
              const QImage image = readPicture(at("e.png"));
              return image.isNull() ? QString("(aucune)")
                                    : QString("%1x%2").arg(image.width()).arg(image.height());
          },
          true, false},
         {"an animated picture", "f.png", png, "oui", "non",
          [&] {
              avatar->setCheminImage(at("f.png"));
              return oui(!avatar->pixmap().isNull());
          },
          true, false}});
}

// A save through a path that names, links followed, a named pipe (or a device) writes nothing.
TEST(WholeFile, ASaveNeverReplacesWhatIsNotARegularFile)
{
    QTemporaryDir dir;
    const auto at = [&dir](const char *name) { return QDir(dir.path()).filePath(name); };
    ASSERT_EQ(mkfifo(QFile::encodeName(at("tube.tpq")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(at("tube.tpq"), at("random.tpq")));
    for (const char *name : {"tube.tpq", "random.tpq"}) {
        const WriteResult result = writeWholeFile(at(name), " 0  1 \r\n");
        EXPECT_EQ(result.error, QString::fromUtf8("Impossible d'enregistrer le fichier %1 : ce nom "
                                                  "désigne un périphérique, un tube ou un autre "
                                                  "objet qui n'est pas un fichier ordinaire, et "
                                                  "qui n'est pas remplacé.")
                                    .arg(name));
    }
    EXPECT_EQ(QFileInfo(at("random.tpq")).symLinkTarget(), at("tube.tpq"));
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(at("tube.tpq")).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    // Nothing else was written beside them; a link to a regular file saves that file.
    ASSERT_TRUE(writeWholeFile(at("vrai.tpq"), "ancien"));
    ASSERT_TRUE(QFile::link(at("vrai.tpq"), at("lien.tpq")));
    ASSERT_TRUE(writeWholeFile(at("lien.tpq"), "nouveau"));
    EXPECT_EQ(readFileStart(at("vrai.tpq"), 100), QByteArray("nouveau"));
    EXPECT_TRUE(QFileInfo(at("lien.tpq")).isSymLink());
    EXPECT_EQ(QDir(dir.path())
                  .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                             QDir::Name),
              QStringList({"lien.tpq", "random.tpq", "tube.tpq", "vrai.tpq"}));
}
