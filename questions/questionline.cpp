#include "questions/questionline.h"

#include "itemcore/items.h"

namespace questions {

namespace {
// The editor writes a double quote typed in a text as it is. Its lines are eight texts, each
// in quotes, joined by commas: split there, such a line gives its texts back whole.
std::vector<itemcore::RawItem> editorItems(std::string_view line)
{
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    if (line.size() < 2 || line.front() != '"' || line.back() != '"')
        return {};
    line = line.substr(1, line.size() - 2);
    std::vector<itemcore::RawItem> items;
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find("\",\"", start);
        items.push_back({itemcore::Kind::Text, std::string(line.substr(start, end - start))});
        if (end == std::string_view::npos)
            break;
        start = end + 3;
    }
    return items;
}

bool allClean(const std::vector<itemcore::RawItem> &items)
{
    for (const auto &item : items) {
        if (!item.clean)
            return false;
    }
    return true;
}
} // namespace

std::optional<Question> parseQuestionLine(std::string_view line)
{
    // A ninth item means the line was split wrongly: better refused than shown with its
    // answers shifted.
    auto items = itemcore::readItems(line, 9);
    if (!allClean(items))
        items = editorItems(line);
    if (items.size() != 8)
        return std::nullopt;
    const auto right = itemcore::numberValue(items[5].bytes);
    if (!right || (*right != 1 && *right != 2 && *right != 3 && *right != 4))
        return std::nullopt;
    Question q;
    // Texts are cleaned when written: a double quote kept here becomes an apostrophe.
    q.texte_question = items[0].bytes;
    for (std::size_t i = 0; i < 4; ++i)
        q.reponses[i] = items[1 + i].bytes;
    q.bonne_reponse = static_cast<int>(*right);
    q.image = items[6].bytes;
    q.son = items[7].bytes;
    if (q.texte_question.empty() || q.reponses[q.bonne_reponse - 1].empty())
        return std::nullopt;
    return q;
}

std::mt19937_64 seededEngine()
{
    std::random_device device;
    std::seed_seq seed{device(), device(), device(), device()};
    return std::mt19937_64(seed);
}

} // namespace questions
