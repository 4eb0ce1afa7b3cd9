#include "platform/wholefile.h"

#include "itemcore/regularfile.h"
#include "itemcore/wholesave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace platform {
namespace {
std::string localPath(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

QByteArray bytesOf(const std::string &data)
{
    return QByteArray(data.data(), qsizetype(data.size()));
}

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

WriteResult failed(const QString &path, const QString &why)
{
    return WriteResult::failure(QStringLiteral("Impossible d'enregistrer le fichier %1 : %2.")
                                    .arg(QFileInfo(path).fileName(), why));
}

WriteResult resultOf(const QString &path, const itemcore::SaveResult &saved)
{
    switch (saved.failure) {
    case itemcore::SaveResult::None: return {};
    case itemcore::SaveResult::NotRegular:
        return failed(path, QStringLiteral("ce nom désigne un périphérique, un tube ou un autre "
                                           "objet qui n'est pas un fichier ordinaire, et qui "
                                           "n'est pas remplacé"));
    case itemcore::SaveResult::System: break;
    }
    return failed(path, causeFromPlace(path).value_or(writeFailureReason(saved.error)));
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
    case ELOOP: return QStringLiteral("les liens du chemin se renvoient l'un à l'autre sans fin");
    case EIO: return QStringLiteral("le disque ne répond pas (erreur de lecture ou d'écriture)");
    case 0: return QStringLiteral("le système n'a pas donné de raison");
    default: return QStringLiteral("erreur du système n° %1").arg(errorNumber);
    }
}

WriteResult writeWholeFile(const QString &path, const QByteArray &bytes)
{
    return resultOf(
        path, itemcore::saveWholeFile(
                  localPath(path), std::string_view(bytes.constData(), std::size_t(bytes.size()))));
}

WriteResult writeWholeFiles(const std::vector<std::pair<QString, QByteArray>> &files)
{
    for (const auto &[path, bytes] : files) {
        const WriteResult refused = resultOf(path, itemcore::checkSaveTarget(localPath(path)));
        if (!refused)
            return refused;
    }
    for (const auto &[path, bytes] : files) {
        if (WriteResult failure = writeWholeFile(path, bytes); !failure)
            return failure;
    }
    return {};
}

bool isReadableFile(const QString &path)
{
    return itemcore::RegularFile::open(localPath(path)).has_value();
}

FileRead readWholeFile(const QString &path, qint64 maxBytes)
{
    const auto outcome = [](FileRead::Status status, qint64 size = 0, QByteArray bytes = {}) {
        return FileRead{status, std::move(bytes), size};
    };
    itemcore::OpenFailure why = itemcore::OpenFailure::None;
    auto file = itemcore::RegularFile::open(localPath(path), &why);
    if (!file)
        return outcome(why == itemcore::OpenFailure::Missing ? FileRead::Missing
                                                             : FileRead::Unreadable);
    if (file->size() > maxBytes)
        return outcome(FileRead::TooLarge, file->size());
    // One byte more than allowed tells a file that grew since it was opened.
    const auto data = file->read(std::size_t(maxBytes) + 1);
    if (!data)
        return outcome(FileRead::Unreadable);
    if (qint64(data->size()) > maxBytes)
        return outcome(FileRead::TooLarge, qint64(data->size()));
    return outcome(FileRead::Ok, qint64(data->size()), bytesOf(*data));
}

std::optional<QByteArray> readFileStart(const QString &path, qint64 maxBytes)
{
    const auto data =
        itemcore::readFileStart(localPath(path), std::size_t(qMax<qint64>(0, maxBytes)));
    if (!data)
        return std::nullopt;
    return bytesOf(*data);
}

} // namespace platform
