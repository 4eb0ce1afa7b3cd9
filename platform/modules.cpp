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
    const QFileInfo info(file);
    if (!info.exists()) {
        qCWarning(lcModules, "module %s absent : %s introuvable", module.name, qPrintable(file));
        return nullptr;
    }
    // The loader would wait for ever on a named pipe: judged on the file's kind, unopened.
    if (!info.isFile()) {
        qCWarning(lcModules, "module %s écarté : %s n'est pas un fichier ordinaire", module.name,
                  qPrintable(file));
        return nullptr;
    }
    // Loaded once: the library stays loaded after its QLibrary objects are gone. Every function
    // it calls is found now: one missing (a library of another version on this machine) would
    // otherwise end the program at its first call.
    QLibrary library(file);
    library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
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
