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

// The small files a question program reads (random.tpq, a slot file, an order file) hold a
// record of a few items; nothing beyond this is read, whatever stands in their place.
inline constexpr std::size_t kSmallFileBytes = 16 * 1024;

// The start of a small file, up to kSmallFileBytes; nothing when it is missing, unreadable
// or not a regular file.
std::optional<std::string> readSmallFile(const std::string &path);

// A whole number as an item holds it, every digit kept (a change time in nanoseconds does not
// fit a double); nothing when the text is anything else.
std::optional<long long> wholeNumber(std::string_view text);

// What tells one version of a file from the next: its last change in nanoseconds and its
// file number (a file replaced whole is a new file). Zeros when it does not exist.
struct FileStamp {
    long long changed = 0;
    long long inode = 0;
    bool operator==(const FileStamp &) const = default;
};
FileStamp stampOf(const std::string &path);

} // namespace questions
