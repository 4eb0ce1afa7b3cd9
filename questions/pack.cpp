// Subject packs: a question of the bank built into the program, its picture in the pack's
// resource file.
#include "questions/folder.h"
#include "questions/programs.h"
#include "questions/questionline.h"
#include "questions/tirage.h"

namespace questions {

int runPack(std::string_view key, std::span<const std::string_view> bank)
{
    const std::string folder = programFolder();
    const std::string resources = std::string(key) + ".rcc";
    Question q;
    if (bank.empty()) {
        q = explanation("Ce thème ne contient aucune question.", {}, resources);
    } else {
        const auto index =
            static_cast<std::size_t>(Tirage(folder, key).draw(static_cast<long long>(bank.size())));
        if (auto parsed = parseQuestionLine(bank[index])) {
            q = *parsed;
            q.fichier_ressources = resources;
        } else {
            q = explanation("La question " + std::to_string(index + 1) +
                                " de ce thème n'est pas valable.",
                            {}, resources);
        }
    }
    return writeQuestion(folder, q);
}

} // namespace questions
