// The question a program leaves in question.tpq: nine items, every text in Windows-1252.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace questions {

struct Question {
    std::string texte_question;
    std::array<std::string, 4> reponses;
    int bonne_reponse = 0; // 1 to 4; 0 for a question that has no right answer
    std::string image;
    std::string son;
    std::string fichier_ressources;
};

// Text read from outside (a file's line, a file name) in Windows-1252. UTF-8 text is taken
// as such (files written on Linux often are); a character the code page lacks becomes '?'.
std::string from1252OrUtf8(std::string_view bytes);

// Windows-1252 text as an item can hold it: a double quote becomes an apostrophe, a line
// break (or another control character) a blank, a byte the code page leaves undefined '?'.
std::string itemText(std::string_view bytes);

// The program's own French text (UTF-8 in the sources) in Windows-1252.
std::string frenchText(std::string_view utf8);

// The record line of question.tpq. Every text is cleaned first, so it is never refused.
std::string recordOf(const Question &question);

// A question that tells the players what went wrong, with no right answer, so the game
// never shows a stale question in its place.
Question explanation(std::string_view messageUtf8, std::string_view detail1252 = {},
                     std::string fichier_ressources = {});

// Writes question.tpq in `folder` whole; the program's exit code (0 on success).
int writeQuestion(const std::string &folder, const Question &question);

} // namespace questions
