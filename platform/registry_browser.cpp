#include "platform/registry_desktop.h"

namespace platform::desktop {

std::optional<QString> browserCommand()
{
    return std::nullopt;
}

} // namespace platform::desktop
