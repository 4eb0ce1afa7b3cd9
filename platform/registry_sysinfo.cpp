#include "platform/registry_desktop.h"

#include <QStandardPaths>

namespace platform::desktop {

std::optional<QString> systemInformationValue(const QString &key, const QString &name)
{
    // Only the tool's own path is answered; Linux has no folder of shared tools to search.
    if (key.compare(QLatin1String("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                    Qt::CaseInsensitive) != 0 ||
        name.compare(QLatin1String("PATH"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    // System-information programs of the usual desktops, the most detailed first.
    static const char *const kProgrammes[] = {
        "hardinfo2",           "hardinfo",          "kinfocenter", "gnome-system-monitor",
        "mate-system-monitor", "xfce4-taskmanager", "lxtask"};
    for (const char *programme : kProgrammes) {
        const QString chemin = QStandardPaths::findExecutable(QString::fromLatin1(programme));
        if (!chemin.isEmpty())
            return chemin;
    }
    return std::nullopt;
}

} // namespace platform::desktop
