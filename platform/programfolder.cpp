#include "platform/programfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {
namespace {
QString &overriddenFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString programFolder()
{
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    return QCoreApplication::applicationDirPath();
}

void setProgramFolder(const QString &folder)
{
    overriddenFolder() = folder;
}

QString programPath(const QString &fileName)
{
    return QDir(programFolder()).filePath(fileName);
}

QString questionProgramPath(const QString &key)
{
    return programPath(QStringLiteral("questions/") + key);
}

} // namespace platform
