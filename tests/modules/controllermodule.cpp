// A controller module for the loader's tests: it lists one controller, gives the version it is
// told to (TEMPEL_VERSION_OFFSET away from the program's), or none as modules built before
// versions did, and may lack its entry point.
#include "platform/controllers.h"
#include "platform/modules.h"

namespace {

class OneController : public platform::NoControllers {
public:
    QStringList list() override { return {QStringLiteral("Manette du module d'essai")}; }
};

} // namespace

#ifndef TEMPEL_WITHOUT_VERSION
extern "C" Q_DECL_EXPORT int tempelVersionModule()
{
    return platform::kControllersModule.version + TEMPEL_VERSION_OFFSET;
}
#endif

#ifndef TEMPEL_WITHOUT_ENTRY
extern "C" Q_DECL_EXPORT void tempelManettes(std::unique_ptr<platform::Controllers> &service)
{
    service = std::make_unique<OneController>();
}
#endif
