#include "questions/question.h"

#include "itemcore/bytes1252.h"
#include "itemcore/items.h"
#include "itemcore/wholesave.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace questions {

void EncodingJudge::feed(std::string_view bytes)
{
    const std::size_t markLength = itemcore::kUtf8ByteOrderMark.size();
    if (m_start.size() < markLength)
        m_start += bytes.substr(0, markLength - m_start.size());
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n && !m_invalid) {
        if (m_needed == 0) {
            // Plain ASCII, the bulk of most files, eight bytes at a time.
            for (std::uint64_t word = 0; i + 8 <= n; i += 8) {
                std::memcpy(&word, p + i, 8);
                if (word & 0x8080808080808080u)
                    break;
            }
            while (i < n && p[i] < 0x80)
                ++i;
            if (i == n)
                break;
        }
        step(p[i++]);
    }
}

// What the UTF-8 reader of the item core accepts: no overlong form, nothing beyond U+10FFFF.
void EncodingJudge::step(unsigned char byte)
{
    if (m_needed > 0) {
        if (byte < m_lowest || byte > m_highest)
            m_invalid = true;
        m_lowest = 0x80;
        m_highest = 0xBF;
        --m_needed;
        return;
    }
    if (byte < 0x80)
        return;
    m_beyondAscii = true;
    if (byte >= 0xC2 && byte <= 0xDF) {
        m_needed = 1;
    } else if (byte >= 0xE0 && byte <= 0xEF) {
        m_needed = 2;
        m_lowest = byte == 0xE0 ? 0xA0 : 0x80;
    } else if (byte >= 0xF0 && byte <= 0xF4) {
        m_needed = 3;
        m_lowest = byte == 0xF0 ? 0x90 : 0x80;
        m_highest = byte == 0xF4 ? 0x8F : 0xBF;
    } else {
        m_invalid = true;
    }
}

bool EncodingJudge::startsWithMark() const
{
    return m_start == itemcore::kUtf8ByteOrderMark;
}

TextEncoding EncodingJudge::verdict() const
{
    if (startsWithMark() || (!m_invalid && m_beyondAscii && m_needed == 0))
        return TextEncoding::Utf8;
    return TextEncoding::Windows1252;
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
