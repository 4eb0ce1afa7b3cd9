// Files read and written whole: a write either replaces the file completely or leaves it as it was.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

struct WriteResult {
    bool ok = true;
    QString error; // French, for a message box

    explicit operator bool() const { return ok; }
    static WriteResult failure(const QString &why) { return {false, why}; }
};

WriteResult writeWholeFile(const QString &path, const QByteArray &bytes);

// Why a write failed, in French, from the system's error number: the common causes by name,
// any other by its number (the system's own text is English).
[[nodiscard]] QString writeFailureReason(int errorNumber);

// Nothing when the file is missing or unreadable.
std::optional<QByteArray> readWholeFile(const QString &path);

// The first `maxBytes` bytes of the file (all of a shorter one): a reader that needs no more
// never holds a huge file in memory. Nothing when the file is missing or unreadable.
std::optional<QByteArray> readFileStart(const QString &path, qint64 maxBytes);

} // namespace platform
