#include "platform/messagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {
namespace {
MsgBoxAnswerer &answerer()
{
    static MsgBoxAnswerer instance;
    return instance;
}

int realBox(const QString &text, int style, const QString &title)
{
    QMessageBox box;
    // A message may quote a file name or a player's text: never markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setWindowTitle(title.isEmpty() ? QApplication::applicationDisplayName() : title);
    switch (style & 0x70) {
    case vbCritical: box.setIcon(QMessageBox::Critical); break;
    case vbQuestion: box.setIcon(QMessageBox::Question); break;
    case vbExclamation: box.setIcon(QMessageBox::Warning); break;
    case vbInformation: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    switch (style & 0x0F) {
    case vbOKCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case vbYesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case vbYesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel: return vbCancel;
    case QMessageBox::Yes: return vbYes;
    case QMessageBox::No: return vbNo;
    default: return vbOK;
    }
}
} // namespace

int MsgBox(const QString &text, int style, const QString &title)
{
    if (answerer())
        return answerer()(text, style, title);
    return realBox(text, style, title);
}

void MsgBoxSansAttente(const QString &text, const QString &title)
{
    if (answerer()) {
        answerer()(text, vbOKOnly, title);
        return;
    }
    auto *box = new QMessageBox(QMessageBox::NoIcon,
                                title.isEmpty() ? QApplication::applicationDisplayName() : title,
                                text, QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

void setMsgBoxAnswerer(MsgBoxAnswerer a)
{
    answerer() = std::move(a);
}

} // namespace platform
