#include "questions/question.h"

#include "itemcore/bytes1252.h"
#include "itemcore/items.h"
#include "itemcore/wholesave.h"

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

// `bytes` without a UTF-8 sequence that its end cuts short.
std::string_view withoutCutSequence(std::string_view bytes)
{
    for (std::size_t back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const auto b = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if (b < 0x80)
            break;
        if (b >= 0xC0) {
            const std::size_t length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
            if (length > back)
                bytes.remove_suffix(back);
            break;
        }
    }
    return bytes;
}
} // namespace

TextEncoding encodingOf(std::string_view start, bool cut)
{
    if (start.substr(0, itemcore::kUtf8ByteOrderMark.size()) == itemcore::kUtf8ByteOrderMark)
        return TextEncoding::Utf8;
    const std::string_view whole = cut ? withoutCutSequence(start) : start;
    return hasHighBytes(whole) && itemcore::utf8To1252(whole, '?') ? TextEncoding::Utf8
                                                                   : TextEncoding::Windows1252;
}

std::string lineIn1252(std::string_view line, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8) {
        if (auto converted = itemcore::utf8To1252(line, '?'))
            return std::move(*converted);
    }
    return std::string(line);
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
    // Read by the game within seconds and written anew for every question: no need to wait
    // for the disk.
    const itemcore::SaveResult saved =
        itemcore::saveWholeFile(path, recordOf(question), itemcore::SaveSync::None);
    if (saved.failure == itemcore::SaveResult::NotRegular) {
        std::fprintf(stderr,
                     "Impossible d'écrire %s : ce n'est pas un fichier ordinaire, il "
                     "n'est pas remplacé\n",
                     path.c_str());
        return 1;
    }
    if (!saved) {
        std::fprintf(stderr, "Impossible d'écrire %s (erreur du système n° %d)\n", path.c_str(),
                     saved.error);
        return 1;
    }
    return 0;
}

} // namespace questions
