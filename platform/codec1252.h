// Windows-1252, the code page of every data file. Latin-1 differs from it in 0x80-0x9F.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

QString decode1252(const QByteArray &bytes);

// Nothing when the text holds a character that the code page lacks: callers refuse
// to save such text rather than lose characters.
std::optional<QByteArray> encode1252(const QString &text);

bool holdsIn1252(const QString &text);

} // namespace platform
