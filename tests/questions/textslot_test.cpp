#include "questionprogramtest.h"

#include "platform/codec1252.h"
#include "support/hostilefiles.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace {
// Question lines as the editor writes them: Windows-1252, CR LF between lines.
QByteArray line(int n)
{
    return QByteArray("\"Question ") + QByteArray::number(n) + " : quelle r\xE9ponse ?\",\"a" +
           QByteArray::number(n) + "\",\"b\",\"c\",\"d\",\"" + QByteArray::number(1 + n % 4) +
           "\",\"img\\n" + QByteArray::number(n) + ".jpg\",\"\"";
}

QStringList lineTexts(int n)
{
    return {platform::decode1252("Question " + QByteArray::number(n) + " : quelle r\xE9ponse ?"),
            "a" + QString::number(n),
            "b",
            "c",
            "d",
            QString::number(1 + n % 4),
            "img\\n" + QString::number(n) + ".jpg",
            ""};
}

class TextSlot : public QuestionProgramTest {
protected:
    // A slot file naming textes/q.txt and that file with lines 1 to `count`, a blank line
    // after the second, as a hand-edited file may have.
    void layFile(int count, const QByteArray &slotPath = "textes\\q.txt")
    {
        lay("fichier_texte.tpq", "\"" + slotPath + "\",\"Quiz\"\r\n");
        QByteArray text;
        for (int n = 1; n <= count; ++n)
            text += line(n) + (n == 2 ? "\r\n\r\n" : "\r\n");
        lay("textes/q.txt", text);
    }
    // The line number a question came from, or 0 when it is none of the file's lines.
    int lineOf(const std::vector<datafiles::Item> &items, int count)
    {
        for (int n = 1; n <= count; ++n) {
            if (texts(items) == lineTexts(n))
                return n;
        }
        return 0;
    }
    void inOrder() { lay("random.tpq", "1,1\r\n"); }
};
} // namespace

TEST_F(TextSlot, GivesExactlyOneLineOfItsFileAsItems1To8)
{
    layFile(4);
    for (int run = 0; run < 12; ++run) {
        const auto items = ask("fichier_texte");
        ASSERT_EQ(items.size(), 9u);
        EXPECT_NE(lineOf(items, 4), 0) << texts(items).join('|').toStdString();
        EXPECT_EQ(items[5].kind, datafiles::Item::Kind::Number);
    }
}

TEST_F(TextSlot, InOrderGivesEveryLineInTurnThenStartsAgain)
{
    layFile(3);
    inOrder();
    std::vector<int> seen;
    for (int run = 0; run < 5; ++run)
        seen.push_back(lineOf(ask("fichier_texte"), 3));
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 1, 2}));
}

TEST_F(TextSlot, ANewGameRewritingTheOrderFileStartsAgainFromTheFirstLine)
{
    layFile(3);
    inOrder();
    ask("fichier_texte");
    ask("fichier_texte");
    // The game's own layout, written a moment later.
    lay("random.tpq", " 1  1 \r\n");
    QFile order(path("random.tpq"));
    ASSERT_TRUE(order.open(QIODevice::ReadWrite));
    ASSERT_TRUE(order.setFileTime(QDateTime::currentDateTime().addSecs(5),
                                  QFileDevice::FileModificationTime));
    order.close();
    EXPECT_EQ(lineOf(ask("fichier_texte"), 3), 1);
    EXPECT_EQ(lineOf(ask("fichier_texte"), 3), 2);
}

TEST_F(TextSlot, AnOrderFileReplacedWithinTheSameInstantStillStartsAgain)
{
    // Replaced whole, as the game writes it, with the very same change time.
    const QDateTime changed(QDate(2026, 1, 1), QTime(12, 0));
    const auto setChanged = [&](const QString &name) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(changed, QFileDevice::FileModificationTime));
    };
    layFile(3);
    inOrder();
    setChanged("random.tpq");
    ask("fichier_texte");
    lay("nouveau.tpq", " 1  1 \r\n");
    setChanged("nouveau.tpq");
    ASSERT_EQ(QFileInfo(path("nouveau.tpq")).lastModified(),
              QFileInfo(path("random.tpq")).lastModified());
    ASSERT_TRUE(QFile::remove(path("random.tpq")));
    ASSERT_TRUE(QFile::rename(path("nouveau.tpq"), path("random.tpq")));
    EXPECT_EQ(lineOf(ask("fichier_texte"), 3), 1);
}

TEST_F(TextSlot, RandomOrderGivesEachLineOnceThenStartsAgain)
{
    layFile(3);
    lay("random.tpq", "0,1\r\n");
    expectEachOnceThenAnew(3, [&] {
        const int line = lineOf(ask("fichier_texte"), 3);
        EXPECT_NE(line, 0);
        return QString::number(line);
    });
}

// Within a game the second of two lines never repeats the first; a new game, or another file
// chosen for the slot, may ask it again at once.
TEST_F(TextSlot, ANewGameOrAnotherFileDrawsFromEveryLineAgain)
{
    layFile(2);
    lay("random.tpq", "0,1\r\n");
    lay("textes/r.txt", readFile("textes/q.txt"));
    bool other = false;
    const std::pair<const char *, std::function<void()>> starts[] = {
        {"a new game", [&] { newGame(); }},
        {"another file", [&] {
             other = !other;
             lay("fichier_texte.tpq",
                 other ? "\"textes/r.txt\",\"\"\r\n" : "\"textes/q.txt\",\"\"\r\n");
         }}};
    for (const auto &[what, start] : starts) {
        bool askedAgain = false;
        for (int run = 0; run < 30 && !askedAgain; ++run) {
            const int before = lineOf(ask("fichier_texte"), 2);
            start();
            askedAgain = before != 0 && lineOf(ask("fichier_texte"), 2) == before;
        }
        EXPECT_TRUE(askedAgain) << what;
    }
}

// What was asked, against what may stand in its file's place: what cannot be read is a new
// game, at once; a huge, marked or CR-ended record still counts.
TEST_F(TextSlot, ReadsWhatWasAskedFromARegularFileOnly)
{
    lay("random.tpq", "0,1\r\n");
    layFile(1);
    ask("fichier_texte");
    const QByteArray record = readFile("fichier_texte.tir");
    // A line added during the game is the one left to ask.
    layFile(2);
    for (const Hostile kind : {Hostile::Fifo, Hostile::DeviceLink, Hostile::Folder, Hostile::Huge,
                               Hostile::Bom, Hostile::CrOnly}) {
        layHostile(path("fichier_texte.tir"), kind, record);
        const int line = lineOf(ask("fichier_texte", 3000), 2);
        if (kind == Hostile::Huge || kind == Hostile::Bom || kind == Hostile::CrOnly) {
            EXPECT_EQ(line, 2) << int(kind);
        } else {
            EXPECT_NE(line, 0) << int(kind);
        }
    }
}

TEST_F(TextSlot, EachSlotReadsItsOwnSlotFileAndTakesAnAbsolutePath)
{
    layFile(1);
    for (int slot = 2; slot <= 7; ++slot) {
        const QString key = QStringLiteral("fichier_texte%1").arg(slot);
        lay(key + ".tpq", "\"" + path("textes/q.txt").toUtf8() + "\",\"Quiz\"\r\n");
        EXPECT_EQ(lineOf(ask(key), 1), 1) << slot;
    }
}

TEST_F(TextSlot, TextsAreMadeFitForAnItem)
{
    lay("fichier_texte.tpq", "\"textes/u.txt\",\"\"\r\n");
    // A file saved in UTF-8, with a character Windows-1252 lacks and a stray control byte.
    lay("textes/u.txt",
        QString::fromUtf8("\"Clé ♪\x01 ?\",\"ré\",\"b\",\"\",\"\",\"1\",\"\",\"\"\n").toUtf8());
    const auto items = ask("fichier_texte");
    ASSERT_EQ(items.size(), 9u);
    EXPECT_EQ(items[0].asText(), QString::fromUtf8("Clé ?  ?"));
    EXPECT_EQ(items[1].asText(), QString::fromUtf8("ré"));
}

// A file is UTF-8 or not as a whole, however far into it its first accent comes: in order too,
// where the reading stops at the line asked.
TEST_F(TextSlot, TheEncodingIsJudgedOnTheWholeFile)
{
    lay("fichier_texte.tpq", "\"textes/u.txt\",\"\"\r\n");
    const QByteArray blanks = QByteArray("\r\n").repeated(40000);
    const QByteArray utf8 = "\"Derni\xC3\xA8re ?\",\"a\",\"b\",\"\",\"\",\"1\",\"\",\"\"\r\n";
    const QByteArray cp1252 = "\"\xC9t\xE9 ?\",\"a\",\"b\",\"\",\"\",\"1\",\"\",\"\"\r\n";
    for (const char *order : {"0,1\r\n", "1,1\r\n"}) {
        lay("random.tpq", order);
        lay("textes/u.txt", blanks + utf8);
        EXPECT_EQ(ask("fichier_texte")[0].asText(), QString::fromUtf8("Dernière ?")) << order;
    }
    // A line further on that is not UTF-8 makes the whole file Windows-1252.
    newGame();
    lay("textes/u.txt", blanks + utf8 + blanks + cp1252);
    EXPECT_EQ(ask("fichier_texte")[0].asText(), QString::fromUtf8("DerniÃ¨re ?"));
}

TEST_F(TextSlot, ADoubleQuoteTypedInTheEditorBecomesAnApostrophe)
{
    lay("fichier_texte.tpq", "\"textes/q.txt\",\"\"\r\n");
    lay("textes/q.txt",
        "\"Qui a dit \"oui\" ?\",\"a, b\",\"\"c\"\",\"d\",\"\",\"3\",\"\",\"\"\r\n");
    const auto items = ask("fichier_texte");
    EXPECT_EQ(texts(items),
              (QStringList{"Qui a dit 'oui' ?", "a, b", "'c'", "d", "", "3", "", ""}));
}

namespace {
struct BrokenCase {
    const char *name;
    QByteArray slot;     // the slot file; empty: none
    QByteArray text;     // textes/q.txt; empty: none
    const char *message; // how the question starts
};

std::ostream &operator<<(std::ostream &os, const BrokenCase &c)
{
    return os << c.name;
}

class BrokenTextSlot : public TextSlot, public ::testing::WithParamInterface<BrokenCase> {};

const QByteArray kSlot = "\"textes/q.txt\",\"Quiz\"\r\n";
} // namespace

TEST_P(BrokenTextSlot, AsksAQuestionThatSaysWhatIsWrong)
{
    const BrokenCase &c = GetParam();
    // A stale question from before must not survive.
    lay("question.tpq", "\"vieille\",\"a\",\"b\",\"c\",\"d\",1,\"\",\"\",\"\"\r\n");
    if (!c.slot.isEmpty())
        lay("fichier_texte.tpq", c.slot);
    if (!c.text.isNull())
        lay("textes/q.txt", c.text);
    const auto items = ask("fichier_texte");
    ASSERT_EQ(items.size(), 9u);
    EXPECT_TRUE(items[0].asText().startsWith(QString::fromUtf8(c.message)))
        << items[0].asText().toStdString();
    EXPECT_TRUE(items[5].asText().isEmpty()) << "no right answer";
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, BrokenTextSlot,
    ::testing::Values(
        BrokenCase{"NoSlotFile", {}, {}, "Aucun fichier de questions n'est choisi"},
        BrokenCase{"EmptySlot", "\"\",\"\"\r\n", {}, "Aucun fichier de questions n'est choisi"},
        BrokenCase{"MissingTextFile", kSlot, QByteArray(),
                   "Le fichier de questions est introuvable : textes/q.txt"},
        BrokenCase{"SlotNamesAFolder", "\"textes\",\"Quiz\"\r\n", "",
                   "Le fichier de questions est introuvable : textes"},
        BrokenCase{"EmptyTextFile", kSlot, "\r\n  \r\n", "Le fichier de questions est vide"},
        BrokenCase{"SevenItems", kSlot, "\"Q\",\"a\",\"b\",\"c\",\"d\",\"1\",\"\"\r\n",
                   "La ligne 1 n'est pas une question valable"},
        BrokenCase{"RightAnswerOutOfRange", kSlot, "\"Q\",\"a\",\"b\",\"c\",\"d\",\"5\",\"\",\"\"",
                   "La ligne 1 n'est pas une question valable"},
        BrokenCase{"RightAnswerEmpty", kSlot, "\"Q\",\"a\",\"b\",\"\",\"d\",\"3\",\"\",\"\"",
                   "La ligne 1 n'est pas une question valable"},
        BrokenCase{"StrayQuote", kSlot, "\"Q\"x\",\"a\",\"b\",\"c\",\"d\",\"1\",\"\"",
                   "La ligne 1 n'est pas une question valable"},
        BrokenCase{"OverlongLine", kSlot,
                   "\"" + QByteArray(70000, 'x') + "\",\"a\",\"b\",\"c\",\"d\",\"1\",\"\",\"\"",
                   "La ligne 1 n'est pas une question valable"}),
    [](const ::testing::TestParamInfo<BrokenCase> &info) { return std::string(info.param.name); });

// Each file a text slot reads, against what may stand in its place: what cannot be read is
// taken as missing, at once, and a huge, marked or CR-ended file still gives its record.
TEST_F(TextSlot, ReadsItsFilesFromRegularFilesOnly)
{
    const QByteArray slot = "\"textes/q.txt\",\"Quiz\"\r\n";
    const QByteArray text = "\"Qu'est-ce ?\",\"a\",\"b\",\"\",\"\",\"1\",\"\",\"\"\r\n"
                            "\"Et \xE7"
                            "a ?\",\"c\",\"d\",\"\",\"\",\"2\",\"\",\"\"\r\n";
    lay("fichier_texte.tpq", slot);
    lay("textes/q.txt", text);
    inOrder();
    // The order file as the program writes it after the first line, for a game in progress.
    ask("fichier_texte");
    const QByteArray position = readFile("fichier_texte.pos");
    const auto question = [this](bool keepPosition = false) {
        if (!keepPosition)
            QFile::remove(path("fichier_texte.pos"));
        const auto items = ask("fichier_texte", 3000);
        return items.empty() ? QString() : items[0].asText();
    };
    const QString first = "Qu'est-ce ?";
    const QString second = QString::fromUtf8("Et ça ?");
    expectReadersWithstandHostileFiles(
        m_folder.path(),
        {{"the order file", "fichier_texte.pos", position, second, first,
          [&] { return question(true); }},
         {"the question file", "textes/q.txt", text, first,
          "Le fichier de questions est introuvable : textes/q.txt", [&] { return question(); }},
         {"the slot file", "fichier_texte.tpq", slot, first,
          QString::fromUtf8("Aucun fichier de questions n'est choisi pour ce thème "
                            "(fichier_texte.tpq)."),
          [&] { return question(); }},
         {"the question order", "random.tpq", "1,1\r\n", "en ordre", "au hasard", [&] {
              question();
              return exists("fichier_texte.pos") ? QString("en ordre") : QString("au hasard");
          }}});
}
