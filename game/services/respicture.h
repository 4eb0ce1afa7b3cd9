// One picture from a module's resources: the game's own (compiled in) or a question pack's
// resource file. A new instance per picture: set the module, load one picture, drop it.
#pragma once

#include "platform/resourcemodule.h"

#include <QPixmap>
#include <QString>

class ResPicture {
public:
    // The numbered errors raised, with the platform's own numbering.
    static constexpr int kCannotOpen = -2147221504;       // 0x80040000
    static constexpr int kResourceNotFound = -2147221503; // 0x80040001
    static constexpr int kInvalidPicture = 481;

    ResPicture() = default;
    ~ResPicture();
    ResPicture(const ResPicture &) = delete;
    ResPicture &operator=(const ResPicture &) = delete;

    // The file that this instance opened itself; empty when the module came from hInstance.
    QString FileName() const { return m_FileName; }
    // Releases the module this instance opened, then opens the new one; raises
    // platform::NumberedError when it cannot be opened (the instance then reads the game's own
    // resources).
    void setFileName(const QString &fileName);

    // The module in use; 0 is the game's own resources.
    platform::ModuleHandle hInstance() const { return m_hInst; }
    // Releases the module this instance opened and uses the given one without owning it.
    void setHInstance(platform::ModuleHandle handle);

    // Type and name are matched without regard to case; a whole number from 1 to 65535 is an
    // integer identifier. Raises platform::NumberedError when the resource is missing or is not
    // a picture.
    QPixmap LoadResPicture(const QString &ResType, const QString &ID);
    QPixmap LoadResPicture(const QString &ResType, int ID)
    {
        return LoadResPicture(ResType, QString::number(ID));
    }

private:
    void releaseOwnModule();

    platform::ModuleHandle m_hInst = 0;
    QString m_FileName;
};
