// One picture from a module's resources: the game's own (compiled in) or a question pack's
// resource file. A new instance per picture.
#pragma once

#include <QPixmap>
#include <QString>

class ResPicture {
public:
    ResPicture() = default;
    ~ResPicture();
    ResPicture(const ResPicture &) = delete;
    ResPicture &operator=(const ResPicture &) = delete;

    QString FileName() const { return m_FileName; }
    // Opens the module; raises platform::NumberedError when it cannot be opened.
    void setFileName(const QString &fileName);

    // Type and name are matched without regard to case; raises platform::NumberedError when
    // the resource is missing or is not a picture.
    QPixmap LoadResPicture(const QString &ResType, const QString &ID);
    QPixmap LoadResPicture(const QString &ResType, int ID)
    {
        return LoadResPicture(ResType, QString::number(ID));
    }

private:
    QString m_FileName;
};
