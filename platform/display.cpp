#include "platform/display.h"

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {
const char *valueOf(const char *name)
{
    const char *value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

// Qt aborts when the X server named by DISPLAY does not answer: ask it first, as Qt will,
// through XCB (Xlib's own opening costs the start a millisecond more).
bool xServerAnswers()
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
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
