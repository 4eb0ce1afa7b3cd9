#include "itemcore/items.h"

#include "itemcore/bytes1252.h"

#include <charconv>

namespace itemcore {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The shape of a number: sign, digits with an optional fraction, an optional exponent.
bool looksLikeNumber(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t exponent = 0;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++exponent;
        if (exponent == 0)
            return false;
    }
    return i == s.size();
}

} // namespace

std::optional<double> numberValue(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (!looksLikeNumber(text))
        return std::nullopt;
    const bool negative = text.front() == '-';
    if (text.front() == '+' || text.front() == '-')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return negative ? -value : value;
}

ItemReader::ItemReader(std::string_view data) : m_data(data)
{
    if (m_data.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
        m_pos = kUtf8ByteOrderMark.size();
}

std::optional<RawItem> ItemReader::next()
{
    skipBlanks();
    if (atEnd()) {
        // A separator just read promises one more (empty) item.
        if (!m_pendingItem)
            return std::nullopt;
        m_pendingItem = false;
        return RawItem{};
    }
    m_pendingItem = false;
    const char c = at(m_pos);
    if (c == '"')
        return quoted();
    if (c == ',' || isLineEnd(c)) {
        consumeSeparator();
        return RawItem{};
    }
    return unquoted();
}

void ItemReader::skipBlanks()
{
    while (!atEnd() && isBlank(at(m_pos)))
        ++m_pos;
}

// A comma or a line end (CR LF, CR or LF) at the current position.
void ItemReader::consumeSeparator()
{
    const char c = at(m_pos++);
    if (c == '\r' && !atEnd() && at(m_pos) == '\n')
        ++m_pos;
    m_pendingItem = c == ',';
}

void ItemReader::skipToSeparator()
{
    while (!atEnd() && at(m_pos) != ',' && !isLineEnd(at(m_pos)))
        ++m_pos;
    if (!atEnd())
        consumeSeparator();
}

RawItem ItemReader::quoted()
{
    const std::size_t start = ++m_pos;
    std::size_t close = m_data.find('"', start);
    if (close == std::string_view::npos)
        close = m_data.size();
    RawItem item{Kind::Text, std::string(m_data.substr(start, close - start))};
    m_pos = close < m_data.size() ? close + 1 : close;
    for (std::size_t i = m_pos; i < m_data.size() && at(i) != ',' && !isLineEnd(at(i)); ++i)
        item.clean = item.clean && isBlank(at(i));
    skipToSeparator();
    return item;
}

RawItem ItemReader::unquoted()
{
    const std::size_t start = m_pos;
    std::size_t end = start;
    while (end < m_data.size() && at(end) != ',' && !isLineEnd(at(end)))
        ++end;
    const std::string_view run = m_data.substr(start, end - start);
    // A number also ends at a blank: the game writes two numbers separated by blanks.
    std::size_t tokenEnd = 0;
    while (tokenEnd < run.size() && !isBlank(run[tokenEnd]))
        ++tokenEnd;
    const std::string_view token = run.substr(0, tokenEnd);
    if (numberValue(token)) {
        m_pos = start + tokenEnd;
        skipBlanks();
        if (!atEnd() && (at(m_pos) == ',' || isLineEnd(at(m_pos))))
            consumeSeparator();
        return RawItem{Kind::Number, std::string(token)};
    }
    m_pos = end;
    if (!atEnd())
        consumeSeparator();
    std::string_view text = run;
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return RawItem{Kind::Text, std::string(text)};
}

std::vector<RawItem> readItems(std::string_view data, int count)
{
    std::vector<RawItem> items;
    ItemReader reader(data);
    while (static_cast<int>(items.size()) < count) {
        auto item = reader.next();
        if (!item)
            break;
        items.push_back(std::move(*item));
    }
    return items;
}

ItemProblem textItemProblem(std::string_view bytes)
{
    if (bytes.find('"') != std::string_view::npos)
        return ItemProblem::Quote;
    if (bytes.find_first_of("\r\n") != std::string_view::npos)
        return ItemProblem::LineBreak;
    return ItemProblem::None;
}

RecordLine &RecordLine::text(std::string_view bytes)
{
    if (ok()) {
        m_problem = textItemProblem(bytes);
        if (ok())
            add(std::string("\"").append(bytes).append("\""));
    }
    return *this;
}

RecordLine &RecordLine::number(long long value)
{
    add(std::to_string(value));
    return *this;
}

RecordLine &RecordLine::empty()
{
    add({});
    return *this;
}

void RecordLine::add(std::string_view item)
{
    if (!m_first)
        m_line += ',';
    m_first = false;
    m_line += item;
}

} // namespace itemcore
