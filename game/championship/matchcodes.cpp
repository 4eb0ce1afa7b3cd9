#include "game/championship/matchcodes.h"

namespace championship {
namespace {

constexpr int kMaxDuel = 31;
constexpr int kMaxRang = 13;

// A championship's tree: its participant count and whether its matches are of three.
struct Arbre {
    int participants = 0;
    bool trois = false;
    int matches() const { return trois ? (participants - 1) / 2 : participants - 1; }
};

std::optional<Arbre> arbreDe(const QString &count)
{
    static const std::vector<std::pair<QString, Arbre>> arbres = {
        {QStringLiteral("4"), {4, false}},   {QStringLiteral("8"), {8, false}},
        {QStringLiteral("16"), {16, false}}, {QStringLiteral("32"), {32, false}},
        {QStringLiteral("9"), {9, true}},    {QStringLiteral("27"), {27, true}},
    };
    for (const auto &[text, arbre] : arbres) {
        if (text == count)
            return arbre;
    }
    return std::nullopt;
}

// The match number of `code` in the tree, when the code belongs to it.
std::optional<int> numeroDans(const Arbre &arbre, const QString &code)
{
    const std::optional<int> n = arbre.trois ? rangTrois(code) : numeroDuel(code);
    if (n && *n <= arbre.matches())
        return n;
    return std::nullopt;
}

// A position of the tree: a participant's leaf above the last match, else a match's case.
Source sourceDe(const Arbre &arbre, int position)
{
    const int m = arbre.matches();
    if (position > m) {
        const int participant =
            arbre.trois ? m + arbre.participants + 1 - position : 2 * arbre.participants - position;
        return {participant, {}};
    }
    return {0, arbre.trois ? codeTrois(position) : codeDuel(position)};
}

QStringList build(QString (*code)(int), int from, int to)
{
    QStringList list;
    for (int k = from; k <= to; ++k)
        list << code(k);
    return list;
}

} // namespace

QString codeDuel(int number)
{
    return QStringLiteral("2_%1").arg(number);
}

QString codeTrois(int rank)
{
    return QStringLiteral("3") + QChar(u'A' + rank - 1);
}

std::optional<int> numeroDuel(const QString &code)
{
    for (int k = 1; k <= kMaxDuel; ++k) {
        if (code == codeDuel(k))
            return k;
    }
    return std::nullopt;
}

std::optional<int> rangTrois(const QString &code)
{
    for (int r = 1; r <= kMaxRang; ++r) {
        if (code == codeTrois(r))
            return r;
    }
    return std::nullopt;
}

const QStringList &codesCasesDuels()
{
    static const QStringList codes = build(codeDuel, 2, kMaxDuel);
    return codes;
}

const QStringList &codesCasesTrois()
{
    static const QStringList codes = build(codeTrois, 2, kMaxRang);
    return codes;
}

std::optional<std::vector<Placement>> joueursDeLaManche(const QString &count, const QString &code)
{
    // The single matches load the same participants whatever the code.
    if (count == QLatin1String("1"))
        return std::vector<Placement>{{2, {1, {}}}};
    if (count == QLatin1String("2"))
        return std::vector<Placement>{{1, {1, {}}}, {2, {2, {}}}};
    if (count == QLatin1String("3"))
        return std::vector<Placement>{{1, {1, {}}}, {2, {2, {}}}, {3, {3, {}}}};

    const std::optional<Arbre> arbre = arbreDe(count);
    if (!arbre)
        return std::nullopt;
    const std::optional<int> k = numeroDans(*arbre, code);
    if (!k)
        return std::nullopt;
    if (arbre->trois) {
        return std::vector<Placement>{{1, sourceDe(*arbre, 3 * *k + 1)},
                                      {2, sourceDe(*arbre, 3 * *k)},
                                      {3, sourceDe(*arbre, 3 * *k - 1)}};
    }
    return std::vector<Placement>{{1, sourceDe(*arbre, 2 * *k + 1)}, {2, sourceDe(*arbre, 2 * *k)}};
}

bool caseDuVainqueur(const QString &count, const QString &code)
{
    const std::optional<Arbre> arbre = arbreDe(count);
    if (!arbre)
        return false;
    const std::optional<int> k = numeroDans(*arbre, code);
    return k && *k >= 2;
}

Annonce annonceApres(const QString &code)
{
    if (const std::optional<int> k = numeroDuel(code)) {
        if (*k == 1)
            return {code, false, true};
        return {codeDuel(*k - 1), true, false};
    }
    if (const std::optional<int> r = rangTrois(code)) {
        if (*r == 1)
            return {code, false, true};
        return {codeTrois(*r - 1), true, false};
    }
    return {code, false, false};
}

std::optional<PremiereManche> premiereManche(const QString &count)
{
    PremiereManche p;
    p.nombre = count;
    if (count == QLatin1String("1")) {
        p.code = QStringLiteral("score");
        p.type = QStringLiteral("1");
        p.pointeurPerso = true;
        return p;
    }
    if (count == QLatin1String("2") || count == QLatin1String("3")) {
        p.code = count == QLatin1String("2") ? codeDuel(1) : codeTrois(1);
        p.type = count;
        return p;
    }
    const std::optional<Arbre> arbre = arbreDe(count);
    if (!arbre)
        return std::nullopt;
    const int n = arbre->participants;
    p.code = arbre->trois ? codeTrois(arbre->matches()) : codeDuel(arbre->matches());
    p.type = arbre->trois ? QStringLiteral("3") : QStringLiteral("2");
    p.tableau = arbre->trois ? 3 : 2;
    if (arbre->trois) {
        // Only the 9-participant table names its leaves; 27 fills every case with winners.
        if (n == 9) {
            for (int k = 1; k <= n; ++k) {
                p.casesMontrees << codeTrois(14 - k);
                p.noms.emplace_back(codeTrois(14 - k), k);
            }
        }
        return p;
    }
    if (n <= 16) {
        for (int k = 1; k <= n; ++k)
            p.noms.emplace_back(codeDuel(2 * n - k), k);
    }
    if (n <= 8) {
        for (int c = 2 * n; c <= kMaxDuel; ++c)
            p.casesCachees << codeDuel(c);
    }
    p.cacherChampionnat4a = n <= 8;
    p.cacherChampionnat4b = n == 4;
    return p;
}

} // namespace championship
