// What each family of question programs does, from start to the written question.tpq.
// Each returns the program's exit code.
#pragma once

#include "questions/notetable.h"

#include <span>
#include <string_view>

namespace questions {

// Text slot 1 to 7: a line of the question text file that the slot file names.
int runTextSlot(int slot);
// Note reading: a note of the level's range, drawn in the clef's resource file.
int runNotes(notes::Clef clef, int level);
// Listening: a piece of the folder ecoutes, its title among three others.
int runEcoutes();
// A subject pack: a line of the bank built into the program (Windows-1252 lines).
int runPack(std::string_view key, std::span<const std::string_view> bank);

} // namespace questions
