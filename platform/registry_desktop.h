// The desktop's answers behind the registry look-ups, one file per kind of value.
#pragma once

#include <QString>

#include <optional>

namespace platform::desktop {

// "HTTP\Shell\Open\command" under the classes root: the default web browser's command line.
[[nodiscard]] std::optional<QString> browserCommand();

// Values under "SOFTWARE\Microsoft\Shared Tools\MSINFO" and "...\Shared Tools Location": the
// system-information tool.
[[nodiscard]] std::optional<QString> systemInformationValue(const QString &key,
                                                            const QString &name);

} // namespace platform::desktop
