// One line of a question text file, and the bank lines of the subject packs, which share
// its form: eight items (question, four answers, the right answer's number, picture, sound).
#pragma once

#include "questions/question.h"

#include <optional>
#include <random>
#include <string_view>

namespace questions {

// The line's eight items as items 1 to 8 of a question; nothing when the line is not a
// valid question: not exactly eight items, no question text, a right answer that is not
// 1 to 4 or names an empty answer. A line as the editor writes it is read whole even when
// a text holds a double quote.
std::optional<Question> parseQuestionLine(std::string_view line1252);

// A generator seeded from the system's entropy, not the clock: two questions asked within
// the same second differ.
std::mt19937_64 seededEngine();

} // namespace questions
