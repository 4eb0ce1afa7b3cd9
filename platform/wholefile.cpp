#include "platform/wholefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

WriteResult writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    const QString name = QFileInfo(path).fileName();
    if (!file.open(QIODevice::WriteOnly))
        return WriteResult::failure(
            QStringLiteral("Impossible d'écrire le fichier %1 : %2").arg(name, file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        return WriteResult::failure(QStringLiteral("Impossible d'enregistrer le fichier %1 : %2")
                                        .arg(name, file.errorString()));
    return {};
}

std::optional<QByteArray> readWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace platform
