// Note reading: a note of the level's range on the staff, four note names to choose from.
#include "questions/folder.h"
#include "questions/programs.h"
#include "questions/questionline.h"
#include "questions/tirage.h"

#include <algorithm>
#include <numeric>

namespace questions {

int runNotes(notes::Clef clef, int level)
{
    const std::string folder = programFolder();
    std::mt19937_64 engine = seededEngine();
    const notes::Range range = notes::rangeOf(clef, level);
    // The question is the note; the names offered are drawn afresh each time.
    Tirage tirage(folder, std::string(notes::keyOf(clef)) + std::to_string(level));
    const int position =
        range.lowest + static_cast<int>(tirage.draw(range.highest - range.lowest + 1));
    const int right = notes::nameIndexOf(clef, position);

    // The right name and three others, in an order of chance.
    std::array<int, 7> names{};
    std::iota(names.begin(), names.end(), 0);
    std::swap(names[0], names[static_cast<std::size_t>(right)]);
    std::shuffle(names.begin() + 1, names.end(), engine);
    std::array<int, 4> offered = {names[0], names[1], names[2], names[3]};
    std::shuffle(offered.begin(), offered.end(), engine);

    Question q;
    q.texte_question = "Quelle est cette note ?";
    for (std::size_t i = 0; i < offered.size(); ++i) {
        q.reponses[i] = notes::kNames[static_cast<std::size_t>(offered[i])];
        if (offered[i] == right)
            q.bonne_reponse = static_cast<int>(i) + 1;
    }
    q.image = notes::resourceNameOf(clef, position);
    q.fichier_ressources = std::string(notes::keyOf(clef)) + ".rcc";
    return writeQuestion(folder, q);
}

} // namespace questions
