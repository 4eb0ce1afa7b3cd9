// The controller module's entry points, found by name when the game first lists controllers.
#include "platform/controllers_sdl.h"
#include "platform/modules.h"

extern "C" Q_DECL_EXPORT int tempelVersionModule()
{
    return platform::kControllersModule.version;
}

extern "C" Q_DECL_EXPORT void tempelManettes(std::unique_ptr<platform::Controllers> &service)
{
    service = platform::createSdlControllers();
}
