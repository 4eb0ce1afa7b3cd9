// The default web browser's command line, from the desktop: the desktop entry that xdg names
// as the web browser (or that mimeapps.list gives for http), and that entry's Exec line.
#include "platform/registry_desktop.h"

#include "platform/wholefile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace platform::desktop {
namespace {

// The first line that an xdg tool prints, or nothing when the tool is missing or fails.
QString xdgAnswer(const QString &tool, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return {};
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(1000);
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput())
        .section(QLatin1Char('\n'), 0, 0)
        .trimmed();
}

// The value of `key` in the group `group` of a desktop or mimeapps file.
QString keyValue(const QString &path, const QString &group, const QString &key)
{
    // Desktop entries are a few kilobytes; a pipe or a device in their place reads as nothing.
    constexpr qint64 kLargestEntry = 1024 * 1024;
    const auto data = readFileStart(path, kLargestEntry);
    if (!data)
        return {};
    bool inGroup = false;
    for (const QByteArray &bytes : data->split('\n')) {
        const QString line = QString::fromUtf8(bytes).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == QLatin1Char('[') + group + QLatin1Char(']');
        } else if (inGroup && line.section(QLatin1Char('='), 0, 0).trimmed() == key) {
            return line.section(QLatin1Char('='), 1).trimmed();
        }
    }
    return {};
}

// mimeapps.list, from the user's configuration to the system's data folders.
QString defaultFromMimeApps()
{
    QStringList files;
    for (const QString &dir :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
        files << dir + QStringLiteral("/mimeapps.list");
    for (const QString &dir :
         QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation))
        files << dir + QStringLiteral("/mimeapps.list");
    for (const QString &file : files) {
        const QString value = keyValue(file, QStringLiteral("Default Applications"),
                                       QStringLiteral("x-scheme-handler/http"));
        const QString first = value.section(QLatin1Char(';'), 0, 0).trimmed();
        if (!first.isEmpty())
            return first;
    }
    return {};
}

// A desktop file id names a file of an applications folder; a "-" may stand for a sub-folder.
QString desktopFile(const QString &id)
{
    QStringList candidates{id};
    for (qsizetype dash = id.indexOf(QLatin1Char('-')); dash > 0;
         dash = id.indexOf(QLatin1Char('-'), dash + 1)) {
        QString nested = id;
        nested[dash] = QLatin1Char('/');
        candidates << nested;
    }
    for (const QString &dir :
         QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation)) {
        for (const QString &candidate : candidates) {
            const QString path = QDir(dir).filePath(candidate);
            if (QFile::exists(path))
                return path;
        }
    }
    return {};
}

// The escapes of a desktop entry's string values: \s \n \t \r \\.
QString unescaped(const QString &value)
{
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\') || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const QChar c = value[++i];
        out += c == QLatin1Char('s')   ? QChar(' ')
               : c == QLatin1Char('n') ? QChar('\n')
               : c == QLatin1Char('t') ? QChar('\t')
               : c == QLatin1Char('r') ? QChar('\r')
                                       : c;
    }
    return out;
}

} // namespace

std::optional<QString> browserCommand()
{
    QString id = xdgAnswer(QStringLiteral("xdg-settings"),
                           {QStringLiteral("get"), QStringLiteral("default-web-browser")});
    if (id.isEmpty())
        id = xdgAnswer(QStringLiteral("xdg-mime"),
                       {QStringLiteral("query"), QStringLiteral("default"),
                        QStringLiteral("x-scheme-handler/http")});
    if (id.isEmpty())
        id = defaultFromMimeApps();
    if (id.isEmpty())
        return std::nullopt;
    const QString file = desktopFile(id);
    if (file.isEmpty())
        return std::nullopt;
    const QString exec =
        unescaped(keyValue(file, QStringLiteral("Desktop Entry"), QStringLiteral("Exec")));
    if (exec.isEmpty())
        return std::nullopt;
    return exec;
}

} // namespace platform::desktop
