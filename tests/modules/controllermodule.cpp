// A controller module for the loader's tests: it lists one controller, gives the version it is
// told to (TEMPEL_VERSION_OFFSET away from the program's), or none as modules built before
// versions did, may lack its entry point, or call a function that no library defines.
#include "platform/controllers.h"
#include "platform/modules.h"

#ifdef TEMPEL_UNRESOLVED
// As a function of a library whose version on the machine lacks it.
extern "C" void tempelFonctionAbsente();
#endif

namespace {

class OneController : public platform::NoControllers {
public:
    QStringList list() override
    {
#ifdef TEMPEL_UNRESOLVED
        tempelFonctionAbsente();
#endif
        return {QStringLiteral("Manette du module d'essai")};
    }
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
