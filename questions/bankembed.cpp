// bankembed: builds a subject pack's program source from its question bank, a UTF-8 text
// file of question lines, stored in the program in Windows-1252 as question.tpq holds it.
//   bankembed <key> <bank.txt> <output.cpp>
#include "itemcore/bytes1252.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {
// A C++ string literal of any bytes: octal escapes never run into the next character.
std::string literal(const std::string &bytes)
{
    std::string out = "\"";
    char escape[8];
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F && c != '"' && c != '\\' && c != '?') {
            out += c;
        } else {
            std::snprintf(escape, sizeof escape, "\\%03o", b);
            out += escape;
        }
    }
    return out + "\"";
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: bankembed <key> <bank.txt> <output.cpp>\n");
        return 2;
    }
    const std::string key = argv[1], bankPath = argv[2], outputPath = argv[3];
    std::ifstream bank(bankPath, std::ios::binary);
    if (!bank) {
        std::fprintf(stderr, "%s: fichier introuvable\n", bankPath.c_str());
        return 1;
    }
    std::ostringstream lines;
    std::string line;
    int number = 0;
    while (std::getline(bank, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        const auto bytes = itemcore::utf8To1252(line);
        if (!bytes) {
            std::fprintf(stderr,
                         "%s:%d: la ligne n'est pas en UTF-8 ou contient un caractère que "
                         "Windows-1252 n'a pas\n",
                         bankPath.c_str(), number);
            return 1;
        }
        lines << "    " << literal(*bytes) << ",\n";
    }

    const std::string temporary = outputPath + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << "// Made by bankembed from " << bankPath << ".\n"
            << "#include \"questions/programs.h\"\n\n"
            << "namespace {\n"
            << "constexpr std::string_view kBank[] = {\n"
            << lines.str() << "};\n"
            << "} // namespace\n\n"
            << "int main()\n{\n    return questions::runPack(\"" << key << "\", kBank);\n}\n";
        if (!out.flush()) {
            std::fprintf(stderr, "%s: écriture impossible\n", temporary.c_str());
            return 1;
        }
    }
    return std::rename(temporary.c_str(), outputPath.c_str()) == 0 ? 0 : 1;
}
