// Saving a file whole or not at all, for every program: the bytes go to a temporary file beside
// the file (and, unless told otherwise, reach the disk), then the temporary is renamed over it,
// so that a reader, or a save killed half-way, sees the old file or the new one and never a
// part. A save never replaces anything but a regular file: a path that names, links followed,
// a device, a named pipe or a folder, or that leads into a folder that is missing or is not one,
// is refused and nothing is written.
#pragma once

#include <string>
#include <string_view>

namespace itemcore {

struct SaveResult {
    enum Failure { None, NotRegular, System };
    Failure failure = None;
    int error = 0; // the system's error number, for a System failure

    explicit operator bool() const { return failure == None; }
};

// Whether a save waits until its bytes are on the disk before it replaces the file. A file whose
// loss in a power cut costs nothing (the question of the moment, where a draw stands) is spared
// the wait; it is still replaced whole.
enum class SaveSync { ToDisk, None };

// Replaces the file that `path` names (through its links) with `bytes`, keeping its permissions.
// Temporary files that earlier saves of the same file left are removed first, once they are a
// minute old.
SaveResult saveWholeFile(const std::string &path, std::string_view bytes,
                         SaveSync sync = SaveSync::ToDisk);

// Whether a save through `path` would be refused before writing anything, and why: what a save
// of several files checks for each of them before it writes the first.
SaveResult checkSaveTarget(const std::string &path);

// Temporary files of saves are named "." + the file's name + ".tempel-" + six letters or digits
// ("KSV.tpq" gives ".KSV.tpq.tempel-a8Zk3q"): hidden from file lists, never taken for data.
// Whether `entry` is one of those of the file named `fileName`.
bool isSaveTemporary(std::string_view entry, std::string_view fileName);

// Removes the temporary files of saves of the file `path` (no link followed) whose last change
// is at least `ageSeconds` old: what a save killed between writing and renaming left behind.
// Files of the folder that only look like them are another's, and stay.
void removeStaleTemporaries(const std::string &path, long long ageSeconds = 60);

} // namespace itemcore
