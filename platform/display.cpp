#include "platform/display.h"

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {
const char *valueOf(const char *name)
{
    const char *value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

// Qt aborts when the X server named by DISPLAY does not answer: ask it first.
bool xServerAnswers()
{
    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return false;
    XCloseDisplay(display);
    return true;
}
} // namespace

bool checkDisplay(const char *program)
{
    if (valueOf("QT_QPA_PLATFORM") || valueOf("WAYLAND_DISPLAY"))
        return true;
    if (const char *display = valueOf("DISPLAY")) {
        if (xServerAnswers())
            return true;
        std::fprintf(stderr, "%s a besoin d'un écran graphique : l'affichage %s ne répond pas.\n",
                     program, display);
        return false;
    }
    std::fprintf(stderr,
                 "%s a besoin d'un écran graphique : aucun affichage n'est disponible "
                 "(variable DISPLAY vide).\n",
                 program);
    return false;
}

} // namespace platform
