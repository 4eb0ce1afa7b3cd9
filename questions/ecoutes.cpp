// Listening: one piece of the folder ecoutes is played; its title is one of four answers.
#include "itemcore/bytes1252.h"
#include "questions/folder.h"
#include "questions/programs.h"
#include "questions/questionline.h"

#include <algorithm>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <vector>

namespace questions {
namespace {

struct Piece {
    std::string file1252;
    std::string title1252; // the file name without its extension
};

struct DirCloser {
    void operator()(DIR *d) const { closedir(d); }
};

// The pieces the game can find again from question.tpq: plain files whose UTF-8 names the
// code page holds whole and an item can hold unchanged.
std::vector<Piece> piecesIn(const std::string &folder)
{
    std::vector<Piece> pieces;
    std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
    if (!dir)
        return pieces;
    while (const dirent *entry = readdir(dir.get())) {
        const std::string name = entry->d_name;
        struct stat st {};
        if (name.empty() || name.front() == '.' || stat((folder + '/' + name).c_str(), &st) != 0 ||
            !S_ISREG(st.st_mode))
            continue;
        const auto name1252 = itemcore::utf8To1252(name);
        if (!name1252 || itemText(*name1252) != *name1252)
            continue;
        const auto dot = name1252->rfind('.');
        const std::string title =
            dot == std::string::npos || dot == 0 ? *name1252 : name1252->substr(0, dot);
        pieces.push_back(Piece{*name1252, title});
    }
    // The directory's order is the file system's: sort so that chance alone decides.
    std::sort(pieces.begin(), pieces.end(),
              [](const Piece &a, const Piece &b) { return a.file1252 < b.file1252; });
    return pieces;
}

Question askEcoutes(const std::string &folder)
{
    std::vector<Piece> pieces = piecesIn(folder + "/ecoutes");
    std::mt19937 engine = seededEngine();
    std::shuffle(pieces.begin(), pieces.end(), engine);
    // The first piece is played; the next ones with other titles are the wrong answers.
    std::vector<const Piece *> offered;
    for (const Piece &piece : pieces) {
        const bool seen = std::any_of(offered.begin(), offered.end(), [&](const Piece *p) {
            return p->title1252 == piece.title1252;
        });
        if (!seen)
            offered.push_back(&piece);
        if (offered.size() == 4)
            break;
    }
    if (offered.size() < 4)
        return explanation("Il faut au moins quatre morceaux de titres différents dans le "
                           "dossier ecoutes.",
                           {}, "ecoutes.rcc");

    Question q;
    q.texte_question = "Qu'entendez-vous ?";
    q.image = "ECOUTE";
    q.son = "ecoutes/" + offered.front()->file1252;
    q.fichier_ressources = "ecoutes.rcc";
    std::array<std::size_t, 4> order = {0, 1, 2, 3};
    std::shuffle(order.begin(), order.end(), engine);
    for (std::size_t i = 0; i < 4; ++i) {
        q.reponses[i] = offered[order[i]]->title1252;
        if (order[i] == 0)
            q.bonne_reponse = static_cast<int>(i) + 1;
    }
    return q;
}

} // namespace

int runEcoutes()
{
    const std::string folder = programFolder();
    return writeQuestion(folder, askEcoutes(folder));
}

} // namespace questions
