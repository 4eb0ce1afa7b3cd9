// Listening: one piece of the folder ecoutes is played; its title is one of four answers.
#include "questions/ecoutes.h"

#include "itemcore/bytes1252.h"
#include "questions/folder.h"
#include "questions/programs.h"
#include "questions/questionline.h"
#include "questions/tirage.h"

#include <algorithm>
#include <cctype>
#include <dirent.h>
#include <map>
#include <memory>
#include <sys/stat.h>
#include <vector>

namespace questions {
namespace {

struct DirCloser {
    void operator()(DIR *d) const { closedir(d); }
};

// The extensions of the sound files the game plays, in lower case.
bool isSoundExtension(std::string extension)
{
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == "wav" || extension == "mp3" || extension == "ogg" || extension == "flac";
}

} // namespace

std::vector<Piece> piecesIn(const std::string &folder)
{
    std::map<std::string, std::vector<std::string>> titles;
    std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
    if (!dir)
        return {};
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
        if (dot == std::string::npos || dot == 0 || !isSoundExtension(name1252->substr(dot + 1)))
            continue;
        titles[name1252->substr(0, dot)].push_back(*name1252);
    }
    // The map and the sort keep the directory's order out of the draw: chance alone decides.
    std::vector<Piece> pieces;
    for (auto &[title, files] : titles) {
        std::sort(files.begin(), files.end());
        pieces.push_back(Piece{title, std::move(files)});
    }
    return pieces;
}

namespace {

Question askEcoutes(const std::string &folder)
{
    std::vector<Piece> pieces = piecesIn(folder + "/ecoutes");
    if (pieces.size() < 4)
        return explanation("Il faut au moins quatre morceaux de titres différents dans le "
                           "dossier ecoutes.",
                           {}, "ecoutes.rcc");
    // Titles are drawn, not files: a piece there in two formats comes no more often.
    std::mt19937_64 engine = seededEngine();
    const auto played = static_cast<std::size_t>(
        Tirage(folder, "ecoutes").draw(static_cast<long long>(pieces.size())));
    std::swap(pieces.front(), pieces[played]);
    std::shuffle(pieces.begin() + 1, pieces.end(), engine);
    // The first title is played, in one of its files; the next three are the wrong answers.
    const std::vector<std::string> &files = pieces.front().files1252;
    const std::string &file =
        files[std::uniform_int_distribution<std::size_t>(0, files.size() - 1)(engine)];

    Question q;
    q.texte_question = "Qu'entendez-vous ?";
    q.image = "ECOUTE";
    q.son = "ecoutes/" + file;
    q.fichier_ressources = "ecoutes.rcc";
    std::array<std::size_t, 4> order = {0, 1, 2, 3};
    std::shuffle(order.begin(), order.end(), engine);
    for (std::size_t i = 0; i < 4; ++i) {
        q.reponses[i] = pieces[order[i]].title1252;
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
