#include "game/services/highscorelist.h"

#include "game/services/form_admin.h"
#include "platform/codec1252.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/messagebox.h"
#include "platform/programfolder.h"
#include "platform/wholefile.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>

#include <optional>

#include <algorithm>
#include <limits>

namespace highscores {
namespace {

// The substitution tables. Table A holds 111 characters of Windows-1252: the blank, the
// 52 letters, the 10 digits, 19 punctuation signs (no double quote, so a line can never be
// taken for a quoted item), then the 26 accented letters of French, the two ligatures and
// the euro sign. Table B swaps the first 55 characters of A, in order, with the last 55
// (the blank with "3", "A" with "4", ..., "1" with the euro sign); the middle character
// "2" stands for itself. B is therefore its own inverse, and one routine both scrambles
// and unscrambles. Changing either table makes every existing score file unreadable.
constexpr char16_t kTableA[] = u" ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"
                               u"!#$%&'()*+,-./:;=?@"
                               u"àâäçéèêëîïôöùûüÿÀÂÇÉÈÊÎÔÙÛœŒ€";
constexpr char16_t kTableB[] = u"3456789!#$%&'()*+,-./:;=?@"
                               u"àâäçéèêëîïôöùûüÿÀÂÇÉÈÊÎÔÙÛœŒ€"
                               u"2 ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz01";
static_assert(std::size(kTableA) == 112 && std::size(kTableB) == 112);

const QString kTab = QStringLiteral("\t");
} // namespace

QString tableA()
{
    return QString::fromUtf16(kTableA);
}

QString tableB()
{
    return QString::fromUtf16(kTableB);
}

QString scrambleLine(const QString &line)
{
    static const QString a = tableA() + kTab;
    static const QString b = tableB() + kTab;
    QString out;
    out.reserve(line.size());
    for (QChar c : line) {
        const qsizetype at = a.indexOf(c);
        if (at >= 0)
            out += b.at(at);
    }
    return out;
}

int countLines(const QString &text)
{
    const int feeds = static_cast<int>(text.count(QLatin1Char('\n')));
    return feeds + ((!text.isEmpty() && !text.endsWith(QLatin1Char('\n'))) ? 1 : 0);
}

int leadingNumber(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == QLatin1Char(' ') || text.at(i) == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    long long value = 0;
    constexpr long long limit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    for (; i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'); ++i)
        value = std::min(limit, value * 10 + (text.at(i).unicode() - u'0'));
    if (negative)
        return static_cast<int>(-value);
    return static_cast<int>(std::min<long long>(value, std::numeric_limits<int>::max()));
}

ScoreLine splitLine(const QString &line, const QString &separator)
{
    const qsizetype at = separator.isEmpty() ? -1 : line.indexOf(separator);
    if (at < 0)
        return {line, kEmptyScore};
    return {line.left(at), leadingNumber(line.mid(at + separator.size()))};
}

QString numberedEntry(int index, const QString &line)
{
    return QStringLiteral("%1. ").arg(index + 1) + line;
}

QString entryLine(const QString &entry)
{
    const qsizetype dot = entry.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return entry;
    const qsizetype from = dot + 1;
    return entry.mid(from < entry.size() && entry.at(from) == QLatin1Char(' ') ? from + 1 : from);
}

int findScorePosition(const std::vector<int> &scores, int count, int score)
{
    for (int i = 0; i < count; ++i) {
        const int held = i < static_cast<int>(scores.size()) ? scores[i] : kEmptyScore;
        if (held < score)
            return i;
    }
    return -1;
}

QStringList shiftIn(const QStringList &lines, int position, const QString &line)
{
    QStringList out = lines;
    if (position < 0 || position >= out.size())
        return out;
    out.insert(position, line);
    out.removeLast();
    return out;
}

QString padName(const QString &name, int nameLength, const Measure &screenFont,
                const Measure &listFont)
{
    const QString column(nameLength, QLatin1Char('N'));
    if (screenFont(name) >= screenFont(column))
        return name;
    QString padded = name;
    const int target = listFont(column);
    for (int added = 0; added < kMaxPadding && listFont(padded) < target; ++added)
        padded += QLatin1Char(' ');
    return padded;
}

QString defaultFileName(const QString &typeDeJeu)
{
    if (typeDeJeu == QLatin1String("question"))
        return platform::programPath(QStringLiteral("Scoresquestion.tpq"));
    if (typeDeJeu == QLatin1String("temps"))
        return platform::programPath(QStringLiteral("Scorestemps.tpq"));
    return {};
}

QStringList storedLines(const QString &start, int count, bool fileGoesOn)
{
    QStringList lines = start.split(QLatin1Char('\n'));
    // What follows the last line end is a line of its own, unless the file goes on beyond
    // what was read: that line was cut and its entry not read whole.
    if (lines.last().isEmpty() || (fileGoesOn && lines.size() > 1))
        lines.removeLast();
    else if (fileGoesOn)
        lines.clear();
    QStringList out;
    for (const QString &line : lines.mid(0, count))
        out += scrambleLine(line);
    return out;
}

} // namespace highscores

using namespace highscores;

ScoreColumns::ScoreColumns(QObject *parent, const QString &separator, int scoreColumn)
    : QStyledItemDelegate(parent), m_separator(separator), m_scoreColumn(scoreColumn)
{
}

void ScoreColumns::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    const QWidget *widget = option.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    // The margin the style leaves before an item's text.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget)
                           .adjusted(margin, 0, -margin, 0);
    const qsizetype at = m_separator.isEmpty() ? -1 : text.indexOf(m_separator);
    const QString name = at < 0 ? text : text.left(at);
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(opt.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                         : QPalette::Text));
    painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter, name);
    if (at >= 0) {
        // A name wider than its column pushes its own score along, never over it.
        const QFontMetrics metrics(opt.font);
        const int x = std::max(m_scoreColumn, metrics.horizontalAdvance(name + QLatin1Char(' ')));
        painter->drawText(area.adjusted(x, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          text.mid(at + m_separator.size()));
    }
    painter->restore();
}

HighScoreList::HighScoreList()
    : m_measure([](const QString &text, const QFont &font) {
          return QFontMetrics(font).horizontalAdvance(text);
      })
{
}

int HighScoreList::GetNameLength() const
{
    return m_nameLength == 0 ? kDefaultNameLength : m_nameLength;
}

QString HighScoreList::DefaultFileName() const
{
    return defaultFileName(form_admin().Label_type_de_jeu->Caption());
}

void HighScoreList::applyDefaults()
{
    if (m_separator.isEmpty())
        m_separator = kTab;
    if (m_numPeople <= 0)
        m_numPeople = kDefaultCount;
    if (m_fileName.isEmpty())
        m_fileName = DefaultFileName();
}

QString HighScoreList::PadName(const QString &name, const platform::ListBox &TheList)
{
    if (m_nameLength == 0)
        m_nameLength = kDefaultNameLength;
    // Measured in the list's own font, in which the entry is drawn; blanks a name already
    // carries from a file padded in another font are measured afresh.
    QString bare = name;
    while (bare.endsWith(QLatin1Char(' ')))
        bare.chop(1);
    const QFont listFont = TheList.font();
    const auto measure = [&](const QString &t) { return m_measure(t, listFont); };
    return padName(bare, m_nameLength, measure, measure);
}

void HighScoreList::alignColumns(platform::ListBox &TheList) const
{
    if (qobject_cast<ScoreColumns *>(TheList.itemDelegate()))
        return;
    const QFontMetrics metrics(TheList.font());
    const QString widest =
        numberedEntry(m_numPeople - 1, QString(GetNameLength(), QLatin1Char('N')));
    TheList.setItemDelegate(new ScoreColumns(
        &TheList, m_separator, metrics.horizontalAdvance(widest + QStringLiteral("  "))));
}

QString HighScoreList::lineFor(const QString &name, int score, const platform::ListBox &TheList)
{
    return PadName(name, TheList) + m_separator + QString::number(score);
}

void HighScoreList::FillScoreList(platform::ListBox &TheList)
{
    applyDefaults();
    alignColumns(TheList);
    // An unknown game type has no file: the list then lives in memory only.
    std::optional<QStringList> stored;
    if (!m_fileName.isEmpty()) {
        // One character more than is used tells whether the file goes on beyond it.
        if (auto bytes = platform::readFileStart(m_fileName, kMaxFileChars + 1)) {
            const bool goesOn = bytes->size() > kMaxFileChars;
            bytes->truncate(kMaxFileChars);
            stored = storedLines(platform::decode1252(*bytes), m_numPeople, goesOn);
        }
    }
    QStringList lines = stored.value_or(QStringList());
    const bool complete = lines.size() >= m_numPeople;
    for (int i = 0; i < m_numPeople; ++i) {
        if (i >= lines.size())
            lines += m_separator + QString::number(kEmptyScore);
        const ScoreLine line = splitLine(lines.at(i), m_separator);
        TheList.AddItem(numberedEntry(i, lineFor(line.name, line.score, TheList)));
    }
    // A short file (cut by a full disk or a crash) is completed, keeping what it holds; a
    // file that exists but cannot be read is left alone rather than replaced unseen.
    // Nothing is lost when that fails: the score that enters the list next says so.
    if (!complete && !m_fileName.isEmpty() && (stored || !QFileInfo::exists(m_fileName)))
        (void)writeFile(lines);
}

bool HighScoreList::AddHighScore(platform::ListBox &TheList, const QString &PName, int PScore)
{
    applyDefaults();
    alignColumns(TheList);
    std::vector<int> scores;
    for (int i = 0; i < std::min(TheList.ListCount(), m_numPeople); ++i)
        scores.push_back(splitLine(entryLine(TheList.List(i)), m_separator).score);
    const int position = findScorePosition(scores, m_numPeople, PScore);
    if (position < 0)
        return false;

    QStringList lines;
    for (int i = 0; i < m_numPeople; ++i)
        lines += i < TheList.ListCount() ? entryLine(TheList.List(i))
                                         : lineFor(QString(), kEmptyScore, TheList);
    // A Tab in a name would split its line in two fields when the file is read back.
    QString name = PName;
    name.replace(kTab, QStringLiteral(" "));
    name.replace(m_separator, QStringLiteral(" "));
    lines = shiftIn(lines, position, lineFor(name, PScore, TheList));
    // A score the file cannot keep is not shown as if it were kept.
    if (const platform::WriteResult written = writeFile(lines); !written) {
        platform::MsgBox(QStringLiteral("Le meilleur score n'a pas pu être enregistré et "
                                        "n'est pas ajouté à la liste.\n%1")
                             .arg(written.error),
                         platform::vbExclamation, QStringLiteral("Erreur"));
        return false;
    }
    for (int i = 0; i < m_numPeople; ++i) {
        if (i < TheList.ListCount())
            TheList.item(i)->setText(numberedEntry(i, lines.at(i)));
        else
            TheList.AddItem(numberedEntry(i, lines.at(i)));
    }
    TheList.setListIndex(position);
    return true;
}

platform::WriteResult HighScoreList::writeFile(const QStringList &lines) const
{
    if (m_fileName.isEmpty())
        return {};
    QString text;
    for (const QString &line : lines)
        text += scrambleLine(line) + QStringLiteral("\r\n");
    // Scrambled text holds only characters of the tables, all of them in the code page.
    const auto bytes = platform::encode1252(text);
    if (!bytes)
        return platform::WriteResult::failure(
            QStringLiteral("Impossible d'enregistrer le fichier %1 : un caractère n'existe pas "
                           "en Windows-1252.")
                .arg(QFileInfo(m_fileName).fileName()));
    return platform::writeWholeFile(m_fileName, *bytes);
}
