// The item format of every data file: one record line of quoted texts (no escaping),
// bare numbers and empty items, separated by commas, ended by CR LF, in Windows-1252.
// The Qt face of the byte-level core that the question programs share.
#pragma once

#include "itemcore/items.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace datafiles {

struct Item {
    using Kind = itemcore::Kind;
    Kind kind = Kind::Empty;
    QString text; // a text's characters, or a number as written

    // The item taken as text: the empty text for an empty item.
    QString asText() const { return text; }
    // Exact comparison with a word, upper and lower case distinct.
    bool is(const QString &word) const { return kind != Kind::Empty && text == word; }
    // The value an item has when compared with a number: a number's value, a text that
    // reads as a number ("05", " 5"), 0 for an empty item; nothing for other texts.
    std::optional<double> numericValue() const;
    bool equalsNumber(double value) const;
};

// Reads up to `count` items from the start of `data`; fewer come back when the data ends
// first. A line end separates items as a comma does, so a record may span several lines.
std::vector<Item> readItems(const QByteArray &data, int count);

// Whether a whole text reads as a number, and its value.
std::optional<double> numberValue(const QString &text);

// Builds one record line. The first refused item makes the whole record refused: a text
// holding a double quote, a line break or a character that Windows-1252 lacks.
class RecordWriter {
public:
    RecordWriter &text(const QString &text);
    RecordWriter &number(long long value);
    RecordWriter &empty();

    bool ok() const { return !m_error; }
    // Why the record was refused, in French, for a message box.
    QString error() const { return m_error.value_or(QString()); }
    // The items joined by commas and ended by CR LF; only meaningful when ok().
    QByteArray line() const;

private:
    itemcore::RecordLine m_record;
    std::optional<QString> m_error;
};

// Why a text cannot be held by a text item, or nothing when it can.
std::optional<QString> textItemProblem(const QString &text);

} // namespace datafiles
