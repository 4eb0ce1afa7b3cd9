// Files read and written whole. A write either replaces the file completely or leaves it as it
// was, and never replaces anything but a regular file. A read takes only a regular file, never
// waits on a named pipe or a device in a data file's place, and is bounded by its caller.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace platform {

struct WriteResult {
    bool ok = true;
    QString error; // French, for a message box

    explicit operator bool() const { return ok; }
    static WriteResult failure(const QString &why) { return {false, why}; }
};

WriteResult writeWholeFile(const QString &path, const QByteArray &bytes);

// Files saved together, each whole, in their order: every file's place is checked first (a
// folder, a named pipe, a device, a read-only file), so that one refused leaves them all as they
// were. What only writing can tell (a full disk) still stops the
// save at that file, the ones before it written.
WriteResult writeWholeFiles(const std::vector<std::pair<QString, QByteArray>> &files);

// Why a write failed, in French, from the system's error number: the common causes by name,
// any other by its number (the system's own text is English).
[[nodiscard]] QString writeFailureReason(int errorNumber);

struct FileRead {
    // Unreadable also stands for a folder, a named pipe or a device in the file's place.
    enum Status { Ok, Missing, Unreadable, TooLarge };
    Status status = Missing;
    QByteArray bytes; // the whole file, when Ok
    qint64 size = 0;  // the file's size in bytes, when Ok or TooLarge
};

// Whether the file can be opened for reading, as a regular file.
[[nodiscard]] bool isReadableFile(const QString &path);

// The whole file, unless it holds more than `maxBytes` bytes.
[[nodiscard]] FileRead readWholeFile(const QString &path, qint64 maxBytes);

// The first `maxBytes` bytes of the file (all of a shorter one): a reader that needs no more
// never holds a huge file in memory. Nothing when the file is missing or unreadable.
std::optional<QByteArray> readFileStart(const QString &path, qint64 maxBytes);

} // namespace platform
