// The controller module's entry point, found by name when the game first lists controllers.
#include "platform/controllers_sdl.h"

extern "C" Q_DECL_EXPORT void tempelManettes(std::unique_ptr<platform::Controllers> &service)
{
    service = platform::createSdlControllers();
}
