// Files of the program folder as the question programs see them, in plain C++: the folder
// is the one that holds the running program, wherever it was started from.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace questions {

// The program folder, without a trailing slash: the question programs live in its folder
// "questions".
std::string programFolder();

// A path from a data file (Windows-1252, "\" or "/" between names) as a path on this system:
// a relative one is taken from `folder`.
std::string resolvePath(const std::string &folder, std::string_view path1252);

// A whole small file, or nothing when it cannot be read.
std::optional<std::string> readSmallFile(const std::string &path);

// Replaces `path` whole: the bytes go to a temporary file beside it, renamed over it, so a
// reader sees the old file or the new one and never a part. False when that failed.
bool writeWholeFile(const std::string &path, std::string_view bytes);

// What tells one version of a file from the next: its last change in nanoseconds and its
// file number (a file replaced whole is a new file). Zeros when it does not exist.
struct FileStamp {
    long long changed = 0;
    long long inode = 0;
    bool operator==(const FileStamp &) const = default;
};
FileStamp stampOf(const std::string &path);

} // namespace questions
