// Text slots: the slot file names a question text file; one of its lines is the question.
// The file is read line by line, keeping only the line chosen so far, whatever its size; its
// encoding is judged on the way.
#include "itemcore/bytes1252.h"
#include "itemcore/items.h"
#include "itemcore/regularfile.h"
#include "itemcore/wholesave.h"
#include "questions/folder.h"
#include "questions/programs.h"
#include "questions/questionline.h"
#include "questions/tirage.h"

#include <algorithm>

namespace questions {
namespace {

// Longer lines cannot be questions the game can show; they are cut and refused.
constexpr std::size_t kLongestLine = 64 * 1024;

// The lines of a file one by one, without their line end (CR LF, LF, or CR alone as older
// Mac editors write); an over-long line comes back cut and marked. Every byte read goes past
// the judge of the file's encoding.
class LineReader {
public:
    LineReader(itemcore::RegularFile &file, EncodingJudge &judge) : m_file(file), m_judge(judge) {}

    // The next `count` bytes at most, read ahead and not taken.
    std::string_view peek(std::size_t count)
    {
        while (m_buffer.size() - m_pos < count && fill()) {
        }
        return std::string_view(m_buffer).substr(m_pos, count);
    }
    void skip(std::size_t count) { m_pos = std::min(m_buffer.size(), m_pos + count); }
    // The rest of the file, for the judge only.
    void readToEnd()
    {
        do {
            m_pos = m_buffer.size();
        } while (fill());
    }

    bool next(std::string &line, bool &tooLong)
    {
        line.clear();
        tooLong = false;
        bool any = false;
        for (int c = get(); c >= 0; c = get()) {
            any = true;
            if (c == '\n')
                break;
            if (c == '\r') {
                if (peek(1) == "\n")
                    skip(1);
                break;
            }
            if (line.size() < kLongestLine)
                line += static_cast<char>(c);
            else
                tooLong = true;
        }
        return any;
    }

private:
    // More of the file behind what is buffered; false at its end (or on a read error).
    bool fill()
    {
        if (m_pos > 0 && m_pos == m_buffer.size()) {
            m_buffer.clear();
            m_pos = 0;
        }
        char chunk[16 * 1024];
        const long n = m_file.readSome(chunk, sizeof chunk);
        if (n <= 0)
            return false;
        m_judge.feed(std::string_view(chunk, static_cast<std::size_t>(n)));
        m_buffer.append(chunk, static_cast<std::size_t>(n));
        return true;
    }
    int get()
    {
        if (m_pos == m_buffer.size() && !fill())
            return -1;
        return static_cast<unsigned char>(m_buffer[m_pos++]);
    }

    itemcore::RegularFile &m_file;
    EncodingJudge &m_judge;
    std::string m_buffer;
    std::size_t m_pos = 0;
};

bool isAscii(std::string_view line)
{
    return std::all_of(line.begin(), line.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isBlankLine(std::string_view line)
{
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

// In order when random.tpq's first number is 1; random for anything else, a missing file too.
bool inOrder(const std::string &folder)
{
    const auto data = readSmallFile(folder + "/random.tpq");
    if (!data)
        return false;
    const auto items = itemcore::readItems(*data, 1);
    return !items.empty() && itemcore::numberValue(items[0].bytes) == 1.0;
}

// Where an in-order slot stands: the line it gave last. The game rewrites random.tpq at
// every new game or match, so the position counts only while random.tpq is the version it
// was when the position was written (same change time, same file number) and the slot names
// the same file: a new game starts again from the first line, and so does a new choice of file.
struct Position {
    long long line = 0;
    FileStamp order;
    std::string path;
};

Position readPosition(const std::string &file)
{
    Position p;
    const auto data = readSmallFile(file);
    if (!data)
        return p;
    const auto items = itemcore::readItems(*data, 4);
    if (items.size() != 4)
        return p;
    p.line = wholeNumber(items[0].bytes).value_or(0);
    p.order = {wholeNumber(items[1].bytes).value_or(0), wholeNumber(items[2].bytes).value_or(0)};
    p.path = items[3].bytes;
    return p;
}

void writePosition(const std::string &file, const Position &p)
{
    itemcore::RecordLine record;
    record.number(p.line).number(p.order.changed).number(p.order.inode).text(itemText(p.path));
    // A lost position only means starting again from the top: nothing to report.
    itemcore::saveWholeFile(file, record.line(), itemcore::SaveSync::None);
}

struct Chosen {
    std::string line;
    long long number = 0; // 0: the file holds no question line
    bool tooLong = false;
};

// One pass, keeping one line, whatever the file's size: the draw sees each question line in
// turn and keeps the line it ranks first so far.
Chosen chooseRandomly(LineReader &lines, Tirage tirage)
{
    Chosen chosen;
    std::string line;
    bool tooLong = false;
    long long number = 0, candidates = 0;
    while (lines.next(line, tooLong)) {
        ++number;
        if (isBlankLine(line) && !tooLong)
            continue;
        if (tirage.offer(candidates++))
            chosen = Chosen{line, number, tooLong};
    }
    tirage.finish();
    return chosen;
}

Chosen chooseInOrder(LineReader &lines, long long after)
{
    Chosen first;
    std::string line;
    bool tooLong = false;
    long long number = 0;
    while (lines.next(line, tooLong)) {
        ++number;
        if (isBlankLine(line) && !tooLong)
            continue;
        if (number > after)
            return Chosen{line, number, tooLong};
        if (first.number == 0)
            first = Chosen{line, number, tooLong};
    }
    // Past the last line the file starts again.
    return first;
}

Question askTextSlot(const std::string &folder, int slot)
{
    const std::string key = slot == 1 ? "fichier_texte" : "fichier_texte" + std::to_string(slot);
    const auto slotData = readSmallFile(folder + '/' + key + ".tpq");
    const auto slotItems =
        slotData ? itemcore::readItems(*slotData, 1) : std::vector<itemcore::RawItem>{};
    if (slotItems.empty() || slotItems[0].bytes.empty())
        return explanation("Aucun fichier de questions n'est choisi pour ce thème (" + key +
                           ".tpq).");
    const std::string &path = slotItems[0].bytes;

    auto file = itemcore::RegularFile::open(resolvePath(folder, path));
    if (!file)
        return explanation("Le fichier de questions est introuvable : ", path);
    EncodingJudge judge;
    LineReader lines(*file, judge);
    if (lines.peek(itemcore::kUtf8ByteOrderMark.size()) == itemcore::kUtf8ByteOrderMark)
        lines.skip(itemcore::kUtf8ByteOrderMark.size());

    const bool ordered = inOrder(folder);
    const std::string positionFile = folder + '/' + key + ".pos";
    const FileStamp stamp = stampOf(folder + "/random.tpq");
    const Position position = ordered ? readPosition(positionFile) : Position{};
    const bool sameGame = position.order == stamp && position.path == itemText(path);
    const Chosen chosen = ordered ? chooseInOrder(lines, sameGame ? position.line : 0)
                                  : chooseRandomly(lines, Tirage(folder, key, path));
    if (chosen.number == 0)
        return explanation("Le fichier de questions est vide : ", path);
    if (ordered)
        writePosition(positionFile, Position{chosen.number, stamp, path});
    // The draw read the whole file; the order stops at its line, whose encoding matters only
    // when it holds more than ASCII, and then the rest of the file may still decide it.
    if (!judge.settled() && !isAscii(chosen.line))
        lines.readToEnd();

    auto question =
        chosen.tooLong ? std::nullopt : parseQuestionLine(lineIn1252(chosen.line, judge.verdict()));
    if (!question)
        return explanation("La ligne " + std::to_string(chosen.number) +
                               " n'est pas une question valable dans le fichier ",
                           path);
    return *question;
}

} // namespace

int runTextSlot(int slot)
{
    const std::string folder = programFolder();
    return writeQuestion(folder, askTextSlot(folder, slot));
}

} // namespace questions
