#include "platform/modules.h"

#include "platform/programfolder.h"

#include <QFileInfo>
#include <QLibrary>

namespace platform {

Q_LOGGING_CATEGORY(lcModules, "tempel.modules")

QFunctionPointer moduleFunction(const ModuleId &module, const char *function)
{
    const QString file =
        programPath(QStringLiteral("lib/lib%1.so").arg(QLatin1String(module.name)));
    // Else the loader tries other names, and its reason names the last one it tried.
    if (!QFileInfo::exists(file)) {
        qCWarning(lcModules, "module %s absent : %s introuvable", module.name, qPrintable(file));
        return nullptr;
    }
    // Loaded once: the library stays loaded after its QLibrary objects are gone.
    QLibrary library(file);
    if (!library.load()) {
        qCWarning(lcModules, "module %s non chargé : %s", module.name,
                  qPrintable(library.errorString()));
        return nullptr;
    }
    using Version = int (*)();
    const auto version = reinterpret_cast<Version>(library.resolve(kModuleVersionEntry));
    if (!version) {
        qCWarning(lcModules, "module %s écarté : il ne dit pas sa version (%s)", module.name,
                  kModuleVersionEntry);
        return nullptr;
    }
    if (const int built = version(); built != module.version) {
        qCWarning(lcModules, "module %s écarté : fait pour la version %d, non la %d", module.name,
                  built, module.version);
        return nullptr;
    }
    const QFunctionPointer entry = library.resolve(function);
    if (!entry)
        qCWarning(lcModules, "module %s écarté : sans son point d'entrée %s", module.name,
                  function);
    return entry;
}

} // namespace platform
