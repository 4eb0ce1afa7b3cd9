// A best-score list: a list box tied to a score file of 15 scrambled lines, one file per
// kind of score game. The rules are pure functions below; HighScoreList applies them to a
// list box and its file.
#pragma once

#include "platform/wholefile.h"

#include <QFont>
#include <QString>
#include <QStringList>
#include <QStyledItemDelegate>

#include <functional>
#include <vector>

namespace platform {
class ListBox;
}

namespace highscores {

inline constexpr int kDefaultCount = 15;
inline constexpr int kDefaultNameLength = 20;
inline constexpr int kEmptyScore = -100;
// The reader looks at no more of a score file than this many characters.
inline constexpr int kMaxFileChars = 32000;
// A blank always widens a name in a real font; this only guards against a measure that
// says otherwise.
inline constexpr int kMaxPadding = 255;

// The substitution of a stored line, its own inverse: each character of the table is
// swapped with its partner, Tab stays, any other character is dropped.
[[nodiscard]] QString scrambleLine(const QString &line);
// The two tables (without the Tab), for whoever needs to know what a file can hold.
[[nodiscard]] QString tableA();
[[nodiscard]] QString tableB();

// Line feeds, plus one when text follows the last of them.
[[nodiscard]] int countLines(const QString &text);

// The whole number a score text starts with (blanks, sign, digits), 0 when none; beyond
// 32 bits it is held at the limit.
[[nodiscard]] int leadingNumber(const QString &text);

// A stored or shown line's two fields. A line without the separator is all name, with the
// empty score.
struct ScoreLine {
    QString name;
    int score = kEmptyScore;
};
[[nodiscard]] ScoreLine splitLine(const QString &line, const QString &separator);

// An entry of the list: "3. " before the line.
[[nodiscard]] QString numberedEntry(int index, const QString &line);
// What follows the entry's number: the text after its first "." and the blank behind it.
[[nodiscard]] QString entryLine(const QString &entry);

// Where a score enters a list of `count` scores, missing ones counting as the empty score;
// an equal score ranks below those already there. -1 when it does not enter.
[[nodiscard]] int findScorePosition(const std::vector<int> &scores, int count, int score);

// The lines once `line` is put in at `position`: those below move down one and the last
// falls off.
[[nodiscard]] QStringList shiftIn(const QStringList &lines, int position, const QString &line);

// Widths of texts: the first measure is in the screen's font, the second in the list's.
using Measure = std::function<int(const QString &)>;
// Blanks appended while the name is narrower than `nameLength` letters "N".
[[nodiscard]] QString padName(const QString &name, int nameLength, const Measure &screenFont,
                              const Measure &listFont);

// The plain lines (unscrambled) of the start of a score file, at most `count` of them. A
// last line without a line end counts, unless `fileGoesOn`: the start then ends inside it.
[[nodiscard]] QStringList storedLines(const QString &start, int count, bool fileGoesOn);

// The score file of a kind of game ("question" or "temps"), none for any other.
[[nodiscard]] QString defaultFileName(const QString &typeDeJeu);

} // namespace highscores

// Draws a list's score entries in two columns: the numbered name, then the score at one
// place for every entry, whatever the widths of the digits and names before it.
class ScoreColumns : public QStyledItemDelegate {
    Q_OBJECT
public:
    ScoreColumns(QObject *parent, const QString &separator, int scoreColumn);
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    int scoreColumn() const { return m_scoreColumn; }

private:
    QString m_separator;
    int m_scoreColumn;
};

class HighScoreList {
public:
    // The width of a text in a font, as the screen would draw it.
    using TextMeasure = std::function<int(const QString &text, const QFont &font)>;

    HighScoreList();

    void FillScoreList(platform::ListBox &TheList);
    void SetListCount(int NumPeople) { m_numPeople = NumPeople; }
    int GetNameLength() const;
    // True when the score entered the list. A score that its file cannot keep says why and
    // leaves the list as it was.
    bool AddHighScore(platform::ListBox &TheList, const QString &PName, int PScore);
    void FileName(const QString &TheName) { m_fileName = TheName; }
    // The score file of the game type in the settings store.
    QString DefaultFileName() const;

    QString fileName() const { return m_fileName; }
    void setTextMeasure(TextMeasure measure) { m_measure = std::move(measure); }

private:
    void applyDefaults();
    // The list draws its scores in a column of their own.
    void alignColumns(platform::ListBox &TheList) const;
    QString PadName(const QString &name, const platform::ListBox &TheList);
    // A line of the list and the file: padded name, separator, score.
    QString lineFor(const QString &name, int score, const platform::ListBox &TheList);
    // Whole or not at all; no file name, nothing to write.
    [[nodiscard]] platform::WriteResult writeFile(const QStringList &lines) const;

    int m_numPeople = 0;
    int m_nameLength = 0;
    QString m_separator;
    QString m_fileName;
    TextMeasure m_measure;
};
