#include "questions/tirage.h"

#include "itemcore/items.h"
#include "itemcore/wholesave.h"
#include "questions/question.h"
#include "questions/questionline.h"

#include <algorithm>

namespace questions {
namespace {

// A game asks a few hundred questions at most; from a file of a million lines only the last
// ones asked are kept, so that the record stays a small file.
constexpr std::size_t kRemembered = 1000;

enum Rank { LastAsked = 0, Asked = 1, NotAsked = 2 };

} // namespace

Tirage::Tirage(const std::string &folder, std::string_view key, std::string_view source)
    : m_engine(seededEngine()), m_file(folder + '/' + std::string(key) + ".tir"),
      m_game(stampOf(folder + "/random.tpq")), m_source(itemText(source))
{
    // The record: random.tpq's stamp, the source, how many were asked, then each, in turn.
    const auto data = readSmallFile(m_file);
    if (!data)
        return;
    itemcore::ItemReader items(*data);
    const auto number = [&items]() -> std::optional<long long> {
        const auto item = items.next();
        if (!item || item->kind != itemcore::Kind::Number)
            return std::nullopt;
        return wholeNumber(item->bytes);
    };
    const auto changed = number();
    const auto inode = number();
    const auto recordSource = items.next();
    const auto count = number();
    if (!changed || !inode || FileStamp{*changed, *inode} != m_game || !recordSource ||
        recordSource->bytes != m_source || !count || *count < 0 ||
        *count > static_cast<long long>(kRemembered))
        return;
    std::vector<long long> asked;
    for (long long i = 0; i < *count; ++i) {
        const auto index = number();
        if (!index || *index < 0)
            return;
        asked.push_back(*index);
    }
    m_asked = std::move(asked);
    m_sorted = m_asked;
    std::sort(m_sorted.begin(), m_sorted.end());
}

bool Tirage::offer(long long index)
{
    while (m_below < m_sorted.size() && m_sorted[m_below] < index)
        ++m_below;
    Ticket ticket;
    if (m_below == m_sorted.size() || m_sorted[m_below] != index)
        ticket.rank = NotAsked;
    else
        ticket.rank = index == m_asked.back() ? LastAsked : Asked;
    ticket.chance = m_engine();
    if (ticket <= m_best)
        return false;
    m_best = ticket;
    m_kept = index;
    return true;
}

std::optional<long long> Tirage::finish()
{
    if (m_best.rank < 0)
        return std::nullopt;
    if (m_best.rank != NotAsked)
        m_asked.clear();
    m_asked.push_back(m_kept);
    if (m_asked.size() > kRemembered)
        m_asked.erase(m_asked.begin());
    save();
    return m_kept;
}

long long Tirage::draw(long long count)
{
    for (long long index = 0; index < count; ++index)
        offer(index);
    return finish().value_or(0);
}

void Tirage::save() const
{
    itemcore::RecordLine record;
    record.number(m_game.changed).number(m_game.inode).text(m_source);
    record.number(static_cast<long long>(m_asked.size()));
    for (const long long index : m_asked)
        record.number(index);
    // A record lost only means that a question may come again: nothing to report.
    itemcore::saveWholeFile(m_file, record.line(), itemcore::SaveSync::None);
}

} // namespace questions
