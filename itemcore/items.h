// The item format of every data file at the byte level, with no Qt: one record line of
// quoted texts (no escaping), bare numbers and empty items, separated by commas, ended by
// CR LF. Texts stay Windows-1252 bytes; only the callers give them a meaning.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace itemcore {

enum class Kind { Empty, Text, Number };

struct RawItem {
    Kind kind = Kind::Empty;
    std::string bytes; // a text's bytes, or a number as written
    // False when something other than blanks followed a text's closing quote (skipped, as
    // the format says), a sign that the text itself held a double quote.
    bool clean = true;
};

// Takes items one by one from the start of `data`. A line end separates items as a comma
// does, so a record may span several lines. A leading UTF-8 byte-order mark, which many text
// editors write, is no part of the first item. `data` must outlive the reader.
class ItemReader {
public:
    explicit ItemReader(std::string_view data);
    // Nothing once the data holds no further item.
    std::optional<RawItem> next();

private:
    bool atEnd() const { return m_pos >= m_data.size(); }
    char at(std::size_t i) const { return m_data[i]; }
    void skipBlanks();
    void consumeSeparator();
    void skipToSeparator();
    RawItem quoted();
    RawItem unquoted();

    std::string_view m_data;
    std::size_t m_pos = 0;
    bool m_pendingItem = false;
};

// Up to `count` items from the start of `data`; fewer when the data ends first.
std::vector<RawItem> readItems(std::string_view data, int count);

// Whether a whole text reads as a number (blanks around it allowed), and its value.
std::optional<double> numberValue(std::string_view text);

// What keeps a text out of a text item: it has no way to hold a double quote or a line break.
enum class ItemProblem { None, Quote, LineBreak };
ItemProblem textItemProblem(std::string_view bytes);

// Builds one record line. The first refused text makes the whole record refused.
class RecordLine {
public:
    RecordLine &text(std::string_view bytes);
    RecordLine &number(long long value);
    RecordLine &empty();

    bool ok() const { return m_problem == ItemProblem::None; }
    ItemProblem problem() const { return m_problem; }
    // The items joined by commas and ended by CR LF; only meaningful when ok().
    std::string line() const { return m_line + "\r\n"; }

private:
    void add(std::string_view item);
    std::string m_line;
    bool m_first = true;
    ItemProblem m_problem = ItemProblem::None;
};

} // namespace itemcore
