#include "datafiles/itemformat.h"

#include "platform/codec1252.h"

#include <QRegularExpression>

namespace datafiles {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

class Reader {
public:
    explicit Reader(const QByteArray &data) : m_data(data) {}

    std::optional<Item> next()
    {
        skipBlanks();
        if (atEnd()) {
            // A separator just read promises one more (empty) item.
            if (!m_pendingItem)
                return std::nullopt;
            m_pendingItem = false;
            return Item{};
        }
        m_pendingItem = false;
        const char c = m_data.at(m_pos);
        if (c == '"')
            return quoted();
        if (c == ',' || isLineEnd(c)) {
            consumeSeparator();
            return Item{};
        }
        return unquoted();
    }

private:
    bool atEnd() const { return m_pos >= m_data.size(); }

    void skipBlanks()
    {
        while (!atEnd() && isBlank(m_data.at(m_pos)))
            ++m_pos;
    }

    // A comma or a line end (CR LF, CR or LF) at the current position.
    void consumeSeparator()
    {
        const char c = m_data.at(m_pos++);
        if (c == '\r' && !atEnd() && m_data.at(m_pos) == '\n')
            ++m_pos;
        m_pendingItem = c == ',';
    }

    void skipToSeparator()
    {
        while (!atEnd() && m_data.at(m_pos) != ',' && !isLineEnd(m_data.at(m_pos)))
            ++m_pos;
        if (!atEnd())
            consumeSeparator();
    }

    Item quoted()
    {
        const qsizetype start = ++m_pos;
        qsizetype close = m_data.indexOf('"', start);
        if (close < 0)
            close = m_data.size();
        Item item{Item::Kind::Text, platform::decode1252(m_data.mid(start, close - start))};
        m_pos = close < m_data.size() ? close + 1 : close;
        skipToSeparator();
        return item;
    }

    Item unquoted()
    {
        const qsizetype start = m_pos;
        qsizetype end = start;
        while (end < m_data.size() && m_data.at(end) != ',' && !isLineEnd(m_data.at(end)))
            ++end;
        const QByteArray run = m_data.mid(start, end - start);
        // A number also ends at a blank: the game writes two numbers separated by blanks.
        qsizetype tokenEnd = 0;
        while (tokenEnd < run.size() && !isBlank(run.at(tokenEnd)))
            ++tokenEnd;
        const QString token = platform::decode1252(run.left(tokenEnd));
        if (numberValue(token)) {
            m_pos = start + tokenEnd;
            skipBlanks();
            if (!atEnd() && (m_data.at(m_pos) == ',' || isLineEnd(m_data.at(m_pos))))
                consumeSeparator();
            return Item{Item::Kind::Number, token};
        }
        m_pos = end;
        if (!atEnd())
            consumeSeparator();
        QString text = platform::decode1252(run);
        while (!text.isEmpty() && (text.back() == u' ' || text.back() == u'\t'))
            text.chop(1);
        return Item{Item::Kind::Text, text};
    }

    const QByteArray &m_data;
    qsizetype m_pos = 0;
    bool m_pendingItem = false;
};

} // namespace

std::optional<double> numberValue(const QString &text)
{
    static const QRegularExpression number(
        QStringLiteral(R"(^[ \t]*[+-]?(\d+(\.\d*)?|\.\d+)([eE][+-]?\d+)?[ \t]*$)"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

std::optional<double> Item::numericValue() const
{
    if (kind == Kind::Empty)
        return 0.0;
    return numberValue(text);
}

bool Item::equalsNumber(double value) const
{
    const auto v = numericValue();
    return v && *v == value;
}

std::vector<Item> readItems(const QByteArray &data, int count)
{
    std::vector<Item> items;
    Reader reader(data);
    while (int(items.size()) < count) {
        auto item = reader.next();
        if (!item)
            break;
        items.push_back(std::move(*item));
    }
    return items;
}

std::optional<QString> textItemProblem(const QString &text)
{
    if (text.contains(u'"'))
        return QStringLiteral("Le texte « %1 » contient un guillemet (\"), qui ne peut pas être "
                              "enregistré.")
            .arg(text);
    if (text.contains(u'\r') || text.contains(u'\n'))
        return QStringLiteral("Le texte « %1 » contient un retour à la ligne, qui ne peut pas "
                              "être enregistré.")
            .arg(text);
    if (!platform::holdsIn1252(text))
        return QStringLiteral("Le texte « %1 » contient un caractère qui ne peut pas être "
                              "enregistré.")
            .arg(text);
    return std::nullopt;
}

RecordWriter &RecordWriter::text(const QString &text)
{
    if (!m_error) {
        if (auto problem = textItemProblem(text))
            m_error = *problem;
        else
            add('"' + *platform::encode1252(text) + '"');
    }
    return *this;
}

RecordWriter &RecordWriter::number(long long value)
{
    add(QByteArray::number(value));
    return *this;
}

RecordWriter &RecordWriter::empty()
{
    add(QByteArray());
    return *this;
}

void RecordWriter::add(const QByteArray &item)
{
    if (!m_first)
        m_line.append(',');
    m_first = false;
    m_line.append(item);
}

QByteArray RecordWriter::line() const
{
    return m_line + "\r\n";
}

} // namespace datafiles
