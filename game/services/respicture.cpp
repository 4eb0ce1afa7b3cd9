#include "game/services/respicture.h"

#include "platform/errors.h"
#include "platform/picturebytes.h"

ResPicture::~ResPicture()
{
    releaseOwnModule();
}

void ResPicture::releaseOwnModule()
{
    if (!m_FileName.isEmpty() && m_hInst != 0)
        platform::releaseResourceModule(m_hInst);
    m_hInst = 0;
}

void ResPicture::setFileName(const QString &fileName)
{
    releaseOwnModule();
    m_FileName = fileName;
    const platform::ModuleOpened opened = platform::openResourceModule(fileName);
    m_hInst = opened.handle;
    if (m_hInst == 0) {
        const QString text = QStringLiteral("Cannot open %1. GetLastError returns: %2");
        throw platform::NumberedError(kCannotOpen,
                                      text.arg(fileName, QString::number(opened.lastError)));
    }
}

void ResPicture::setHInstance(platform::ModuleHandle handle)
{
    releaseOwnModule();
    m_hInst = handle;
    m_FileName.clear();
}

QPixmap ResPicture::LoadResPicture(const QString &ResType, const QString &ID)
{
    const platform::ResourceRead read = platform::readResource(m_hInst, ResType, ID);
    switch (read.status) {
    case platform::ResourceRead::NotFound:
        throw platform::NumberedError(
            kResourceNotFound,
            QStringLiteral("The resource was not found. GetLastError: %1").arg(read.lastError));
    case platform::ResourceRead::NotLoaded:
        throw platform::NumberedError(
            kResourceNotFound,
            QStringLiteral("The resource cannot be loaded. GetLastError: %1").arg(read.lastError));
    case platform::ResourceRead::Found: break;
    }
    QImage picture = platform::pictureFromBytes(read.bytes);
    if (picture.isNull())
        throw platform::NumberedError(kInvalidPicture, QStringLiteral("Invalid picture"));
    return QPixmap::fromImage(std::move(picture));
}
