// Match codes, the knock-out trees that link them, and the first match of each game: the
// rules as plain functions of texts, so that the screens only write their results.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace championship {

// "2_k" for duel number k (no leading zero), "3" and a letter A..M for match of three 1..13.
[[nodiscard]] QString codeDuel(int number);
[[nodiscard]] QString codeTrois(int rank);
// The number of an exact duel code ("2_1".."2_31"), the rank of a code of threes ("3A".."3M").
[[nodiscard]] std::optional<int> numeroDuel(const QString &code);
[[nodiscard]] std::optional<int> rangTrois(const QString &code);

// The codes of the knock-out table's cases: "2_2".."2_31", then "3B".."3M".
[[nodiscard]] const QStringList &codesCasesDuels();
[[nodiscard]] const QStringList &codesCasesTrois();

// Where a player slot of a match takes its player from: a participant (1..32) or the case
// of an earlier match.
struct Source {
    int participant = 0;
    QString caseCode;
    bool operator==(const Source &) const = default;
};

// The players of the match `code` for the participant count `count` (texts compared
// exactly), slot 1 first: two for duels, three for threes, slot 2 alone for one player.
// Nothing when the count or the code is not one of that game.
struct Placement {
    int slot = 0;
    Source source;
    bool operator==(const Placement &) const = default;
};
[[nodiscard]] std::optional<std::vector<Placement>> joueursDeLaManche(const QString &count,
                                                                      const QString &code);

// Whether the winner of match `code` goes into a case: every match of a championship's
// tree except its final.
[[nodiscard]] bool caseDuVainqueur(const QString &count, const QString &code);

// What the announcement of a winner does with the code of the match just won.
struct Annonce {
    QString codeApres;           // the code of the next match, or the same code
    bool mancheSuivante = false; // the next-match button replaces the stop button
    bool debut = false;          // the start button comes back (a final or a single match)
};
[[nodiscard]] Annonce annonceApres(const QString &code);

// What "Suite" writes on the game screen for a participant count; nothing for an unknown one.
struct PremiereManche {
    QString code;
    QString nombre;
    QString type;
    int tableau = 0;                           // 0 none, 2 the duel table, 3 the table of threes
    QStringList casesMontrees;                 // made visible, in this order
    QStringList casesCachees;                  // hidden, in this order
    std::vector<std::pair<QString, int>> noms; // case code, participant whose name it takes
    bool cacherChampionnat4a = false;
    bool cacherChampionnat4b = false;
    bool pointeurPerso = false; // the answer labels show their own pointer
};
[[nodiscard]] std::optional<PremiereManche> premiereManche(const QString &count);

} // namespace championship
