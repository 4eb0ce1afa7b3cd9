#include "platform/modules.h"

#include "platform/programfolder.h"

#include <QLibrary>

namespace platform {

QFunctionPointer moduleFunction(const char *module, const char *function)
{
    const QString file = QStringLiteral("lib/lib%1.so").arg(QLatin1String(module));
    // Loaded once: the library stays loaded after its QLibrary objects are gone.
    return QLibrary::resolve(programPath(file), function);
}

} // namespace platform
