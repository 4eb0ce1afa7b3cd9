#include "platform/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace platform {
namespace {
// The cause that the file's place shows by itself, before any error number is needed.
std::optional<QString> causeFromPlace(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("un dossier porte déjà ce nom");
    if (!info.dir().exists())
        return QStringLiteral("le dossier %1 n'existe pas")
            .arg(QDir::toNativeSeparators(info.path()));
    return std::nullopt;
}

WriteResult failed(const QString &path, int errorNumber)
{
    const QString why = causeFromPlace(path).value_or(writeFailureReason(errorNumber));
    return WriteResult::failure(QStringLiteral("Impossible d'enregistrer le fichier %1 : %2.")
                                    .arg(QFileInfo(path).fileName(), why));
}
} // namespace

QString writeFailureReason(int errorNumber)
{
    switch (errorNumber) {
    case EROFS: return QStringLiteral("le disque ou le dossier est en lecture seule");
    case EACCES:
    case EPERM: return QStringLiteral("vous n'avez pas le droit d'écrire dans ce dossier");
    case ENOSPC:
    case EDQUOT: return QStringLiteral("il n'y a plus de place sur le disque");
    case EISDIR: return QStringLiteral("un dossier porte déjà ce nom");
    case ENOENT:
    case ENOTDIR: return QStringLiteral("le dossier n'existe pas");
    case EIO: return QStringLiteral("le disque ne répond pas (erreur de lecture ou d'écriture)");
    case 0: return QStringLiteral("le système n'a pas donné de raison");
    default: return QStringLiteral("erreur du système n° %1").arg(errorNumber);
    }
}

WriteResult writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return failed(path, errno);
    if (file.write(bytes) != bytes.size() || !file.flush())
        return failed(path, errno);
    errno = 0;
    if (!file.commit())
        return failed(path, errno);
    return {};
}

std::optional<QByteArray> readWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

std::optional<QByteArray> readFileStart(const QString &path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(maxBytes);
}

} // namespace platform
