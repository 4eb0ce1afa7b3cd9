// The sound file of a question: loaded at every question, which stops the previous one, and
// started without waiting; it plays to its end unless the next load stops it.
#pragma once

#include <QString>

// Stops and lets go of the current sound; true.
bool TerminateEngine();
// Stops the current sound, then readies the file at `path` (a full path); false for an
// empty path, a folder, a file that is missing or unreadable, or one whose first bytes start
// no sound format the player knows.
bool LoadMP3(const QString &path);
// Starts the readied sound; false when there is none (a failed load).
bool PlayMP3();
