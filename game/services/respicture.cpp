#include "game/services/respicture.h"

#include "platform/errors.h"

ResPicture::~ResPicture() = default;

void ResPicture::setFileName(const QString &fileName)
{
    m_FileName = fileName;
}

QPixmap ResPicture::LoadResPicture(const QString &ResType, const QString &ID)
{
    QPixmap picture(QStringLiteral(":/tempeljeu/%1/%2").arg(ResType.toUpper(), ID.toUpper()));
    if (picture.isNull())
        throw platform::NumberedError(-2147221503, QStringLiteral("The resource was not found. "
                                                                  "GetLastError: 1814"));
    return picture;
}
