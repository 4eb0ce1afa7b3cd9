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

// Nothing when the file is missing or unreadable.
std::optional<QByteArray> readWholeFile(const QString &path);

} // namespace platform
