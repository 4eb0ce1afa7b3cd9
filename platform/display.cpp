#include "platform/display.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

bool checkDisplay(const char *program)
{
    auto set = [](const char *name) {
        const char *value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    if (set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM"))
        return true;
    std::fprintf(stderr,
                 "%s a besoin d'un écran graphique : aucun affichage n'est disponible "
                 "(variable DISPLAY vide).\n",
                 program);
    return false;
}

} // namespace platform
