// Resource modules on the Qt resource system: a table of open modules, each mapped under a root
// of its own, so that handles can be passed around and released like the system's own.
#include "platform/resourcemodule.h"

#include "platform/programfolder.h"
#include "platform/wholefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QResource>

#include <algorithm>
#include <map>

namespace platform {

namespace {

constexpr QLatin1String kOwnRoot("/tempeljeu");

// Far beyond any question pack; a larger file is no resource file of ours.
constexpr qint64 kLargestModule = 64 * 1024 * 1024;
// The header of a binary resource file: the magic "qres", a version and three offsets.
constexpr qsizetype kRccHeader = 20;

struct Module {
    QString root;   // where its resources are mapped: ":" + root + "/<TYPE>/<NAME>"
    QByteArray rcc; // the binary resource file's bytes, registered from memory while it is
                    // open; empty for the game's own resources
};

// Open modules by handle. Handles are never reused, so a stale one is simply unknown.
struct ModuleTable {
    std::map<ModuleHandle, Module> modules;
    ModuleHandle next = 1;
};

ModuleTable &table()
{
    static ModuleTable t;
    return t;
}

QString comparablePath(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool isOwnProgram(const QString &path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (name.compare(QLatin1String("Tempeljeu.exe"), Qt::CaseInsensitive) != 0 &&
        name.compare(QLatin1String("Tempeljeu"), Qt::CaseInsensitive) != 0)
        return false;
    const QString folder = comparablePath(info.absolutePath());
    return folder == comparablePath(programFolder()) ||
           folder == comparablePath(QCoreApplication::applicationDirPath());
}

// The entry of a resource folder whose key is the wanted one.
QString findEntry(const QString &folder, const QString &wanted, QDir::Filters kind)
{
    const QString key = resourceKey(wanted);
    // Entries are stored under their key as a rule. Going straight to it spares listing the
    // folder, which reads the start of every file in it: a megabyte for the game's pictures.
    const QFileInfo direct(folder + QLatin1Char('/') + key);
    if (kind == QDir::Dirs ? direct.isDir() : direct.isFile())
        return key;
    const QStringList entries = QDir(folder).entryList(kind | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (resourceKey(entry) == key)
            return entry;
    }
    return {};
}

} // namespace

QString resourceKey(const QString &typeOrName)
{
    const bool digits =
        !typeOrName.isEmpty() && std::all_of(typeOrName.begin(), typeOrName.end(),
                                             [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (digits) {
        bool ok = false;
        const uint value = typeOrName.toUInt(&ok);
        if (ok && value >= 1 && value <= 65535)
            return QString::number(value);
    }
    return typeOrName.toUpper();
}

ModuleOpened openResourceModule(const QString &path)
{
    ModuleTable &t = table();
    if (isOwnProgram(path)) {
        const ModuleHandle handle = t.next++;
        t.modules[handle] = Module{kOwnRoot, {}};
        return {handle, 0};
    }
    if (path.isEmpty())
        return {0, moduleerror::FileNotFound};
    // Read whole through the bounded reader, then mapped from memory: a named pipe or a device
    // in a pack's place is refused at once instead of holding the game.
    FileRead file = readWholeFile(path, kLargestModule);
    switch (file.status) {
    case FileRead::Ok: break;
    case FileRead::Missing: return {0, moduleerror::FileNotFound};
    case FileRead::Unreadable: return {0, moduleerror::AccessDenied};
    case FileRead::TooLarge: return {0, moduleerror::BadFormat};
    }
    // Registering from memory reads the header without knowing the size.
    if (file.bytes.size() < kRccHeader)
        return {0, moduleerror::BadFormat};
    const ModuleHandle handle = t.next;
    const QString root = QStringLiteral("/tempelmodule%1").arg(handle);
    Module module{root, std::move(file.bytes)};
    if (!QResource::registerResource(reinterpret_cast<const uchar *>(module.rcc.constData()), root))
        return {0, moduleerror::BadFormat};
    ++t.next;
    t.modules.emplace(handle, std::move(module));
    return {handle, 0};
}

void releaseResourceModule(ModuleHandle handle)
{
    ModuleTable &t = table();
    const auto it = t.modules.find(handle);
    if (it == t.modules.end())
        return;
    if (!it->second.rcc.isEmpty())
        QResource::unregisterResource(reinterpret_cast<const uchar *>(it->second.rcc.constData()),
                                      it->second.root);
    t.modules.erase(it);
}

ResourceRead readResource(ModuleHandle module, const QString &type, const QString &name)
{
    QString root = kOwnRoot;
    if (module != 0) {
        const auto &modules = table().modules;
        const auto it = modules.find(module);
        if (it == modules.end())
            return {ResourceRead::NotFound, {}, moduleerror::InvalidHandle};
        root = it->second.root;
    }
    const QString rootFolder = QLatin1Char(':') + root;
    const QString typeEntry = findEntry(rootFolder, type, QDir::Dirs);
    if (typeEntry.isEmpty())
        return {ResourceRead::NotFound, {}, moduleerror::TypeNotFound};
    const QString typeFolder = rootFolder + QLatin1Char('/') + typeEntry;
    const QString nameEntry = findEntry(typeFolder, name, QDir::Files);
    if (nameEntry.isEmpty())
        return {ResourceRead::NotFound, {}, moduleerror::NameNotFound};
    QFile file(typeFolder + QLatin1Char('/') + nameEntry);
    if (!file.open(QIODevice::ReadOnly))
        return {ResourceRead::NotLoaded, {}, moduleerror::AccessDenied};
    return {ResourceRead::Found, file.readAll(), 0};
}

} // namespace platform
