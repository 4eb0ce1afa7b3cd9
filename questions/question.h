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

// How a question text file is written, decided once for the whole file: Windows-1252, as the
// editor writes it, or UTF-8, as many other editors do.
enum class TextEncoding { Windows1252, Utf8 };

// From the start of a file (its byte-order mark included): UTF-8 when it begins with the
// byte-order mark, or when it is valid UTF-8 holding at least one character beyond ASCII
// (a Windows-1252 text with accents almost never is); Windows-1252 otherwise. `cut` says that
// the file goes on beyond `start`, whose last character may then be incomplete.
TextEncoding encodingOf(std::string_view start, bool cut);

// A line of such a file in Windows-1252: a character the code page lacks becomes '?'. A line
// of a UTF-8 file that is not UTF-8 after all stays as it is.
std::string lineIn1252(std::string_view line, TextEncoding encoding);

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
