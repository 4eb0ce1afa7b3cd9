#include "questions/questionline.h"

#include "datafiles/core/items.h"

namespace questions {

std::optional<Question> parseQuestionLine(std::string_view line)
{
    // A ninth item means the line was split wrongly, most often by a double quote typed
    // inside a text: better refused than shown with its answers shifted.
    const auto items = itemcore::readItems(line, 9);
    if (items.size() != 8)
        return std::nullopt;
    const auto right = itemcore::numberValue(items[5].bytes);
    if (!right || (*right != 1 && *right != 2 && *right != 3 && *right != 4))
        return std::nullopt;
    Question q;
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

std::mt19937 seededEngine()
{
    std::random_device device;
    std::seed_seq seed{device(), device(), device(), device()};
    return std::mt19937(seed);
}

} // namespace questions
