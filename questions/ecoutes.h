// Listening: the pieces of the folder ecoutes, drawn by title.
#pragma once

#include <string>
#include <vector>

namespace questions {

// A title and the files that hold it: a piece may be there in more than one format.
struct Piece {
    std::string title1252; // the file name without its extension
    std::vector<std::string> files1252;
};

// The pieces the game can play and find again from question.tpq: regular sound files (WAV,
// MP3, Ogg, FLAC by their extension) whose UTF-8 names the code page holds whole and an item
// can hold unchanged, one entry per title, in the order of their titles.
std::vector<Piece> piecesIn(const std::string &folder);

} // namespace questions
