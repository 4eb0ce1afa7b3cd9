// No question twice in a game: what a question program has asked since the game began, kept in
// a small file of its own (`<key>.tir` in the program folder), and the draw among the rest.
// The game rewrites random.tpq at every new game or match; a record written under another
// version of it is of a game gone by.
#pragma once

#include "questions/folder.h"

#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace questions {

class Tirage {
public:
    // What the program `key` has asked in this game from `source` (a text slot's file, so that
    // another file starts afresh; empty for a source of its own). A record of another game or
    // another source, a damaged one or anything but a regular file counts as nothing asked.
    Tirage(const std::string &folder, std::string_view key, std::string_view source = {});

    // The questions are offered by index, 0 upwards, one by one: a source read once, however
    // long, keeps only the question of the highest ticket so far. Tickets rank a question not
    // asked in this game above one asked, and one asked above the last asked, chance deciding
    // within a rank: the draw is uniform among the questions not asked, and once every one has
    // been, among all but the last asked. True when `index` is the one kept so far.
    bool offer(long long index);
    // The question kept, now remembered as asked (asking one again begins a new round); nothing
    // when none was offered.
    std::optional<long long> finish();

    // The whole draw among `count` questions (at least one): each offered, then finish().
    long long draw(long long count);

private:
    void save() const;

    // 64 bits of chance a ticket: two lines of even a huge file all but never tie.
    std::mt19937_64 m_engine;
    std::string m_file;
    FileStamp m_game;
    std::string m_source;
    std::vector<long long> m_asked;  // in the order asked: the last asked at the back
    std::vector<long long> m_sorted; // the same, sorted, looked up as the indices go up
    std::size_t m_below = 0;         // how many of m_sorted are below the index offered
    struct Ticket {
        int rank = -1;
        unsigned long long chance = 0;
        auto operator<=>(const Ticket &) const = default;
    };
    Ticket m_best;
    long long m_kept = 0;
};

} // namespace questions
