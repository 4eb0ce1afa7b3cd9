// The questions shipped with the game: the subject packs' banks against their resource files,
// the sample question text files against the pictures and sounds they name, and the listening
// pieces delivered for the listening question. All as the build delivers them, never as they
// stand in the program folder, where a teacher's own files may take their place.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "game/wavecheck.h"
#include "platform/codec1252.h"
#include "platform/resourcemodule.h"
#include "support/questiontexts.h"

#include <array>
#include <set>

namespace {

// The packs go with the question programs, where the build writes them; the data files are
// judged in the build's own folder of delivered files.
const QString packDir = QStringLiteral(TEMPEL_PRODUCTS_DIR);
const QString deliveredDir = QStringLiteral(TEMPEL_DELIVERED_DIR);
const QString sourceDir = QStringLiteral(TEMPEL_SOURCE_DIR);

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A question line read as the question programs read it; nothing when they would refuse it.
std::optional<QStringList> questionItems(const QString &line)
{
    const auto bytes = platform::encode1252(line);
    return bytes ? questionTexts(*bytes) : std::nullopt;
}

// What every question must hold for a class to be able to answer it; empty when it does.
QString questionProblem(const QStringList &items)
{
    if (items[0].trimmed().isEmpty())
        return QStringLiteral("no question");
    std::set<QString> answers;
    for (int i = 1; i <= 4; ++i) {
        if (items[i].trimmed().isEmpty())
            return QStringLiteral("empty answer %1").arg(i);
        answers.insert(items[i].trimmed().toLower());
    }
    if (answers.size() != 4)
        return QStringLiteral("two answers are the same");
    if (items[5].size() != 1 || items[5][0] < QLatin1Char('1') || items[5][0] > QLatin1Char('4'))
        return QStringLiteral("right answer is not 1 to 4");
    for (const QString &item : items)
        if (!platform::holdsIn1252(item))
            return QStringLiteral("a character outside Windows-1252");
    for (const QString &item : items)
        if (item != item.trimmed() || item.contains(QStringLiteral("  ")))
            return QStringLiteral("stray blanks in \"%1\"").arg(item);
    // Read whole by the programs, but asked with an apostrophe in its place.
    for (const QString &item : items)
        if (item.contains(QLatin1Char('"')))
            return QStringLiteral("a double quote in \"%1\"").arg(item);
    return {};
}

// A pack's resource file, opened and read as the game does.
class Pack {
public:
    explicit Pack(const QString &name)
        : m_module(platform::openResourceModule(packDir + QLatin1Char('/') + name +
                                                QStringLiteral(".rcc")))
    {
    }
    ~Pack() { platform::releaseResourceModule(m_module.handle); }
    Pack(const Pack &) = delete;
    Pack &operator=(const Pack &) = delete;
    bool open() const { return m_module.handle != 0; }
    QImage picture(const QString &name) const
    {
        const platform::ResourceRead read =
            platform::readResource(m_module.handle, QStringLiteral("IMAGES"), name);
        return read.status == platform::ResourceRead::Found ? QImage::fromData(read.bytes)
                                                            : QImage();
    }

private:
    platform::ModuleOpened m_module;
};

class Bank : public ::testing::TestWithParam<const char *> {
protected:
    QString name() const { return QString::fromLatin1(GetParam()); }
    QByteArray bytes() const
    {
        return fileBytes(sourceDir + QStringLiteral("/questions/banks/") + name() +
                         QStringLiteral(".txt"));
    }
    QStringList lines() const
    {
        QByteArray b = bytes();
        if (b.endsWith('\n'))
            b.chop(1);
        return QString::fromUtf8(b).split(QLatin1Char('\n'));
    }
};

TEST_P(Bank, HoldsAtLeastFortyWellFormedQuestions)
{
    const QByteArray b = bytes();
    ASSERT_FALSE(b.isEmpty());
    EXPECT_FALSE(b.contains('\r')) << "LF line ends only";
    EXPECT_EQ(QString::fromUtf8(b).toUtf8(), b) << "not UTF-8";
    const QStringList all = lines();
    EXPECT_GE(all.size(), 40);
    std::set<QString> seen;
    for (const QString &line : all) {
        SCOPED_TRACE(qPrintable(line));
        const auto items = questionItems(line);
        ASSERT_TRUE(items) << "not a question line";
        EXPECT_EQ(questionProblem(*items), QString());
        // A pack question always names a picture: the game has nothing to show in its place.
        static const QRegularExpression resourceName(QStringLiteral("^[A-Z0-9_]+$"));
        EXPECT_TRUE(resourceName.match((*items)[6]).hasMatch()) << "picture name";
        EXPECT_EQ((*items)[7], QString()) << "a pack question has no sound";
        EXPECT_TRUE(seen.insert((*items)[0] + (*items)[6]).second) << "asked twice";
    }
}

TEST_P(Bank, RightAnswerIsNotAlwaysInTheSamePlace)
{
    // A class soon learns a favourite position; every one of the four must come up often.
    std::array<int, 4> count{};
    for (const QString &line : lines())
        if (const auto items = questionItems(line))
            ++count[size_t((*items)[5].toInt() - 1) % 4];
    for (int c : count)
        EXPECT_GE(c, 8);
}

TEST_P(Bank, EveryPictureItNamesIsInItsPackAtTheQuestionPictureSize)
{
    const Pack pack(name());
    ASSERT_TRUE(pack.open()) << "no " << GetParam() << ".rcc in the program folder";
    QStringList names;
    for (const QString &line : lines())
        if (const auto items = questionItems(line))
            names << (*items)[6];
    for (const QString &picture : names) {
        SCOPED_TRACE(qPrintable(picture));
        const QImage img = pack.picture(picture);
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.size(), QSize(146, 200));
    }
}

INSTANTIATE_TEST_SUITE_P(Packs, Bank, ::testing::Values("compos", "visages", "organa", "lexique"));

TEST(PortraitBank, EveryQuestionShowsACardOfItsOwn)
{
    // Each card is drawn with the clues of its own question: the title card, or a card shared
    // with another question, would show the class the wrong musician's time and instrument.
    QByteArray b = fileBytes(sourceDir + QStringLiteral("/questions/banks/visages.txt"));
    std::set<QString> seen;
    for (const QString &line : QString::fromUtf8(b).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (const auto items = questionItems(line)) {
            SCOPED_TRACE(qPrintable(line));
            EXPECT_NE((*items)[6], QLatin1String("TITRE"));
            EXPECT_TRUE(seen.insert((*items)[6]).second) << "card shared with another question";
        }
    EXPECT_GE(seen.size(), 40u);
}

const char *const sampleFiles[] = {"rythme", "harmonie", "histoire"};

TEST(SampleQuestionFiles, AreInTheEditorsFormatAndDelivered)
{
    int questions = 0;
    for (const char *name : sampleFiles) {
        SCOPED_TRACE(name);
        const QString file =
            QStringLiteral("/textes/") + QLatin1String(name) + QStringLiteral(".txt");
        const QByteArray b =
            fileBytes(sourceDir + QStringLiteral("/resources/programfolder") + file);
        ASSERT_FALSE(b.isEmpty());
        EXPECT_TRUE(fileBytes(deliveredDir + file) == b);
        // CR LF between lines, none after the last, as the editor's wizard writes them.
        EXPECT_FALSE(b.endsWith('\n'));
        EXPECT_EQ(b.count('\n'), b.count("\r\n"));
        EXPECT_EQ(b.count('\r'), b.count("\r\n"));
        const QStringList lines = platform::decode1252(b).split(QStringLiteral("\r\n"));
        for (const QString &line : lines) {
            SCOPED_TRACE(qPrintable(line));
            const auto items = questionItems(line);
            ASSERT_TRUE(items) << "not a question line";
            EXPECT_EQ(questionProblem(*items), QString());
            // As the wizard writes it: every item in double quotes.
            EXPECT_TRUE(line.startsWith(u'"') && line.endsWith(u'"') &&
                        line.count(QStringLiteral("\",\"")) == 7);
            ++questions;
        }
    }
    EXPECT_GE(questions, 40);
}

TEST(SampleQuestionFiles, PicturesAndSoundsTheyNameAreDelivered)
{
    int pictures = 0, sounds = 0;
    for (const char *name : sampleFiles) {
        const QByteArray b =
            fileBytes(sourceDir + QStringLiteral("/resources/programfolder/textes/") +
                      QLatin1String(name) + QStringLiteral(".txt"));
        for (const QString &line : platform::decode1252(b).split(QStringLiteral("\r\n"))) {
            const auto items = questionItems(line);
            if (!items)
                continue;
            SCOPED_TRACE(qPrintable(line));
            if (const QString picture = (*items)[6]; !picture.isEmpty()) {
                ++pictures;
                EXPECT_TRUE(picture.endsWith(QLatin1String(".jpg"))) << "the editor lists jpg";
                EXPECT_FALSE(QImage(deliveredDir + QStringLiteral("/images/") + picture).isNull());
            }
            if (const QString sound = (*items)[7]; !sound.isEmpty()) {
                ++sounds;
                const auto w =
                    wavecheck::readWave(fileBytes(deliveredDir + QStringLiteral("/audio/") + sound));
                EXPECT_TRUE(w.error.isEmpty()) << qPrintable(w.error);
            }
        }
    }
    EXPECT_GE(pictures, 3);
    EXPECT_GE(sounds, 3);
}

TEST(ListeningPieces, AtLeastEightShortAudiblePiecesNamedInWindows1252)
{
    const QDir folder(deliveredDir + QStringLiteral("/ecoutes"));
    const QStringList files = folder.entryList({QStringLiteral("*.wav")}, QDir::Files);
    EXPECT_GE(files.size(), 8);
    std::set<QByteArray> contents;
    for (const QString &file : files) {
        SCOPED_TRACE(qPrintable(file));
        // The title shown as an answer is the file's name: it must fit in a question item.
        EXPECT_TRUE(platform::holdsIn1252(file));
        EXPECT_FALSE(file.contains(QLatin1Char('"')));
        const QByteArray bytes = fileBytes(folder.filePath(file));
        const auto w = wavecheck::readWave(bytes);
        ASSERT_TRUE(w.error.isEmpty()) << qPrintable(w.error);
        EXPECT_GT(w.seconds, 1.5);
        EXPECT_LT(w.seconds, 10.0);
        EXPECT_GT(w.peak, 8000) << "too quiet to hear in a classroom";
        EXPECT_TRUE(contents.insert(bytes).second) << "same sound as another piece";
    }
}

TEST(ContentGenerator, DrawsAndSynthesisesTheSameEveryTime)
{
    // What the build delivers must be what the generator makes now, on any machine.
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess gen;
    gen.start(QStringLiteral(TEMPEL_GENERATOR),
              {QStringLiteral("--contenu"), out.filePath("gen"), out.filePath("app")});
    ASSERT_TRUE(gen.waitForFinished(60000));
    ASSERT_EQ(gen.exitCode(), 0) << gen.readAllStandardError().constData();
    for (const char *folder : {"ecoutes", "images", "audio"}) {
        const QDir fresh(out.filePath("app/") + QLatin1String(folder));
        const QStringList files = fresh.entryList(QDir::Files);
        EXPECT_FALSE(files.isEmpty()) << folder;
        for (const QString &file : files) {
            SCOPED_TRACE(qPrintable(file));
            EXPECT_TRUE(fileBytes(fresh.filePath(file)) ==
                        fileBytes(deliveredDir + QLatin1Char('/') + QLatin1String(folder) +
                                  QLatin1Char('/') + file));
        }
    }
    for (const char *name : {"compos", "visages", "organa", "lexique"}) {
        const Pack pack(QString::fromLatin1(name));
        const QDir fresh(out.filePath("gen/packs/") + QLatin1String(name));
        for (const QString &file : fresh.entryList({QStringLiteral("*.png")}, QDir::Files)) {
            SCOPED_TRACE(qPrintable(file));
            const QImage packed = pack.picture(file.chopped(4));
            if (!packed.isNull()) { // drawn but named by no question: not in the pack
                EXPECT_EQ(QImage(fresh.filePath(file)), packed);
            }
        }
    }
}

} // namespace
