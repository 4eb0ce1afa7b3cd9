#include "questions/question.h"

#include "itemcore/bytes1252.h"
#include "itemcore/items.h"
#include "questions/folder.h"

#include <cstdio>

namespace questions {
namespace {
bool hasHighBytes(std::string_view bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    }
    return false;
}
} // namespace

std::string from1252OrUtf8(std::string_view bytes)
{
    // A Windows-1252 text with accents almost never forms valid UTF-8, so valid UTF-8 with
    // bytes above 0x7F is taken as UTF-8.
    if (hasHighBytes(bytes)) {
        if (auto converted = itemcore::utf8To1252(bytes, '?'))
            return std::move(*converted);
    }
    return std::string(bytes);
}

std::string itemText(std::string_view bytes)
{
    std::string text(bytes);
    for (char &c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '"')
            c = '\'';
        else if (b < 0x20 || b == 0x7F)
            c = ' ';
        else if (itemcore::isUndefinedByte(b))
            c = '?';
    }
    return text;
}

std::string frenchText(std::string_view utf8)
{
    return itemcore::utf8To1252(utf8, '?').value_or(std::string(utf8));
}

std::string recordOf(const Question &q)
{
    itemcore::RecordLine record;
    record.text(itemText(q.texte_question));
    for (const std::string &reponse : q.reponses)
        record.text(itemText(reponse));
    if (q.bonne_reponse >= 1 && q.bonne_reponse <= 4)
        record.number(q.bonne_reponse);
    else
        record.text("");
    record.text(itemText(q.image)).text(itemText(q.son)).text(itemText(q.fichier_ressources));
    return record.line();
}

Question explanation(std::string_view messageUtf8, std::string_view detail1252,
                     std::string fichier_ressources)
{
    Question q;
    q.texte_question = frenchText(messageUtf8);
    q.texte_question += detail1252;
    q.fichier_ressources = std::move(fichier_ressources);
    return q;
}

int writeQuestion(const std::string &folder, const Question &question)
{
    const std::string path = folder + "/question.tpq";
    if (!writeWholeFile(path, recordOf(question))) {
        std::fprintf(stderr, "Impossible d'écrire %s\n", path.c_str());
        return 1;
    }
    return 0;
}

} // namespace questions
