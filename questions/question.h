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

// The encoding of a file judged on all its bytes, fed in order in pieces of any size, so that a
// reader passing once over a huge file holds no more than its pieces: UTF-8 when the file begins
// with the byte-order mark, or when it is valid UTF-8 throughout holding at least one character
// beyond ASCII (a Windows-1252 text with accents almost never is); Windows-1252 otherwise.
class EncodingJudge {
public:
    void feed(std::string_view bytes);
    // Whether bytes still to come can no longer change the verdict.
    bool settled() const { return m_invalid || startsWithMark(); }
    // The verdict on what was fed, taken as the whole file.
    TextEncoding verdict() const;

private:
    bool startsWithMark() const;
    void step(unsigned char byte);

    std::string m_start;    // the first bytes, as many as the byte-order mark has
    bool m_invalid = false; // a byte that UTF-8 does not allow where it stands
    bool m_beyondAscii = false;
    int m_needed = 0; // continuation bytes still due for the character begun
    unsigned char m_lowest = 0x80, m_highest = 0xBF; // what the next of them may be
};

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
