#include "platform/registry_desktop.h"

namespace platform::desktop {

std::optional<QString> systemInformationValue(const QString &, const QString &)
{
    return std::nullopt;
}

} // namespace platform::desktop
