// The notes of the note-reading questions, written down once: the question programs draw
// from it and the resource generator draws one picture per note from it.
#pragma once

#include <array>
#include <string>

namespace notes {

enum class Clef { Aigu, Grave };

// A note is its place on the staff: 0 the bottom line, 8 the top line, one step per line
// or space; below 0 and above 8 it sits on or between ledger lines.
struct Range {
    int lowest;
    int highest;
};

inline constexpr int kLevels = 7;

// Level 1 keeps to a few notes around the clef's own note (sol on the second line, fa on
// the fourth); each level reaches further, level 7 to three ledger lines below and above.
inline constexpr std::array<Range, kLevels> kRangesAigu = {
    {{0, 4}, {0, 8}, {-1, 9}, {-2, 10}, {-3, 11}, {-4, 12}, {-6, 14}}};
inline constexpr std::array<Range, kLevels> kRangesGrave = {
    {{4, 8}, {0, 8}, {-1, 9}, {-2, 10}, {-3, 11}, {-4, 12}, {-6, 14}}};
inline constexpr Range kAllNotes = {-6, 14};

constexpr Range rangeOf(Clef clef, int level)
{
    return (clef == Clef::Aigu ? kRangesAigu : kRangesGrave)[level - 1];
}

// Notes counted in steps from the do of octave 0 (octaves as in scientific pitch, the
// middle do being do 4). The bottom line is mi 4 in the treble clef, sol 2 in the bass clef.
constexpr int stepOf(Clef clef, int position)
{
    return (clef == Clef::Aigu ? 4 * 7 + 2 : 2 * 7 + 4) + position;
}

// The names in Windows-1252, as question.tpq holds them ("r\xE9" is ré).
inline constexpr std::array<const char *, 7> kNames = {"do",  "r\xE9", "mi", "fa",
                                                       "sol", "la",    "si"};
inline constexpr std::array<const char *, 7> kResourceNames = {"DO",  "RE", "MI", "FA",
                                                               "SOL", "LA", "SI"};

constexpr int nameIndexOf(Clef clef, int position)
{
    return stepOf(clef, position) % 7;
}

// The picture's name in the clef's resource file: the note and its octave, "SOL4".
inline std::string resourceNameOf(Clef clef, int position)
{
    return std::string(kResourceNames[nameIndexOf(clef, position)]) +
           std::to_string(stepOf(clef, position) / 7);
}

inline const char *keyOf(Clef clef)
{
    return clef == Clef::Aigu ? "aigu" : "grave";
}

} // namespace notes
