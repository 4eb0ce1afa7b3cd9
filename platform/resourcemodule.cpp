// Resource modules on the Qt resource system: a table of open modules, each mapped under a root
// of its own, so that handles can be passed around and released like the system's own.
#include "platform/resourcemodule.h"

#include "platform/programfolder.h"
#include "platform/wholefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QResource>
#include <QtEndian>

#include <algorithm>
#include <map>
#include <vector>

namespace platform {

namespace {

constexpr QLatin1String kOwnRoot("/tempeljeu");

// Far beyond any question pack; a larger file is no resource file of ours.
constexpr qint64 kLargestModule = 64 * 1024 * 1024;

// The flags of a node of a binary resource file.
constexpr quint16 kZlib = 0x01;
constexpr quint16 kFolder = 0x02;
constexpr quint16 kZstd = 0x04;

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

// Whether Qt sets aside no more than `limit` bytes at once to unpack an entry whose bytes are
// `entry`: a zlib entry starts with its unpacked size; a zstd frame gives it in its header, when
// it gives it at all (RFC 8878). An entry flagged zstd must start a frame of today's format: zstd
// reads the headers of its older formats its own way. A node flagged both ways is taken either
// way.
bool unpacksWithin(quint16 flags, const uchar *entry, quint64 length, quint64 limit)
{
    if ((flags & kZlib) && length >= 4 && qFromBigEndian<quint32>(entry) > limit)
        return false;
    if ((flags & kZstd) == 0)
        return true;
    if (length < 5 || qFromLittleEndian<quint32>(entry) != 0xFD2FB528)
        return false;
    const uchar descriptor = entry[4];
    const bool singleSegment = descriptor & 0x20;
    const quint64 fieldSizes[] = {singleSegment ? 1u : 0u, 2, 4, 8};
    const quint64 dictionarySizes[] = {0, 1, 2, 4};
    const quint64 field = fieldSizes[descriptor >> 6];
    const quint64 at = 5 + (singleSegment ? 0 : 1) + dictionarySizes[descriptor & 3];
    if (field == 0 || at + field > length)
        return true; // no size given: Qt unpacks nothing
    quint64 size = 0;
    for (quint64 i = field; i-- > 0;)
        size = size << 8 | entry[at + i];
    return (field == 2 ? size + 256 : size) <= limit;
}

// Whether every offset Qt can follow in a binary resource file lies within its bytes. Qt maps
// such a file from memory without knowing its size and trusts every offset in it, so a file cut
// short or damaged would have it read past the bytes. The file, as Qt reads it: a header ("qres",
// a version from 1 to 3, the offsets of the tree, the data and the names, and from version 3 a
// word of flags); nodes of 14 bytes (22 from version 2, with the time the entry was changed),
// each a name offset and flags, then a folder's child count and first child, or a file's
// territory, language and data offset; names as a length, a hash and UTF-16 characters; data as
// a length and the bytes. Qt reads the root as a folder whatever its flags, and never its name.
bool wholeTree(const QByteArray &rcc)
{
    const auto *bytes = reinterpret_cast<const uchar *>(rcc.constData());
    const quint64 size = quint64(rcc.size());
    const auto within = [size](quint64 at, quint64 length) {
        return at <= size && length <= size - at;
    };
    const auto word = [bytes](quint64 at) { return quint64(qFromBigEndian<quint32>(bytes + at)); };
    const auto half = [bytes](quint64 at) { return qFromBigEndian<quint16>(bytes + at); };

    if (!within(0, 20) || !rcc.startsWith("qres"))
        return false;
    const quint64 version = word(4);
    if (version < 1 || version > 3 || !within(0, version >= 3 ? 24 : 20))
        return false;
    const quint64 tree = word(8);
    const quint64 data = word(12);
    const quint64 names = word(16);
    const quint64 nodeSize = version >= 2 ? 22 : 14;
    // A root not flagged a folder would also be read as a file.
    if (!within(tree, nodeSize) || (half(tree + 4) & kFolder) == 0)
        return false;
    // Nodes wholly within the bytes. Qt reads counts and offsets as signed 32-bit numbers: any
    // that would be negative lies far beyond a module's size.
    const quint64 nodes = (size - tree) / nodeSize;
    // Each node belongs to one folder at most, so that the walk ends, and Qt's lookups with it.
    std::vector<bool> reached(nodes, false);
    std::vector<quint64> folders{0};
    reached[0] = true;
    while (!folders.empty()) {
        const quint64 folder = tree + folders.back() * nodeSize;
        folders.pop_back();
        const quint64 count = word(folder + 6);
        const quint64 first = word(folder + 10);
        if (count > nodes || first > nodes - count)
            return false;
        for (quint64 child = first; child < first + count; ++child) {
            if (reached[child])
                return false;
            reached[child] = true;
            const quint64 node = tree + child * nodeSize;
            const quint64 name = names + word(node);
            if (!within(name, 6) || !within(name + 6, 2 * quint64(half(name))))
                return false;
            const quint16 flags = half(node + 4);
            if (flags & kFolder) {
                folders.push_back(child);
                continue;
            }
            const quint64 entry = data + word(node + 10);
            if (!within(entry, 4) || !within(entry + 4, word(entry)))
                return false;
            if (!unpacksWithin(flags, bytes + entry + 4, word(entry), kLargestModule))
                return false;
        }
    }
    return true;
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
    // A damaged pack is as good as a missing one.
    if (!wholeTree(file.bytes))
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
    // Unpacked here rather than read through QFile, which copies as many bytes as a compressed
    // entry says it unpacks to, whatever unpacking gave.
    const QByteArray bytes =
        QResource(typeFolder + QLatin1Char('/') + nameEntry).uncompressedData();
    if (bytes.isNull())
        return {ResourceRead::NotLoaded, {}, moduleerror::AccessDenied};
    // An entry stored as is lies within the module, which may be released before its copy is.
    return {ResourceRead::Found, QByteArray(bytes.constData(), bytes.size()), 0};
}

} // namespace platform
