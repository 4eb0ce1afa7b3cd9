#include "editor/frmabout.h"

#include "editor/frmmain.h"
#include "editor/toolbaricons.h"
#include "platform/messagebox.h"
#include "platform/process.h"
#include "platform/registry.h"

#include <QApplication>
#include <QFileInfo>

namespace editor {

namespace {
template <class W> void placer(W *w, int left, int top, int width, int height)
{
    w->setGeometry(platform::twipsToPixels(left), platform::twipsToPixels(top),
                   platform::twipsToPixels(width), platform::twipsToPixels(height));
}
} // namespace

frmAbout::frmAbout(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("A propos de Tempello Quiz Creator"));
    setFixedSize(platform::twipsToPixels(5865), platform::twipsToPixels(1935));
    picIcon = new platform::PictureBox(this, QStringLiteral("picIcon"));
    placer(picIcon, 240, 240, 540, 540);
    picIcon->setPicture(iconeProgramme().pixmap(32, 32));
    lblTitle =
        new platform::Label(this, QStringLiteral("lblTitle"), QStringLiteral("Application Title"));
    placer(lblTitle, 1320, 240, 4095, 480);
    lblTitle->setFontSize(12);
    lblTitle->setFontBold(true);
    lblVersion = new platform::Label(this, QStringLiteral("lblVersion"), QStringLiteral("Version"));
    placer(lblVersion, 1320, 780, 4095, 225);
    auto *ligne = new QFrame(this);
    ligne->setObjectName(QStringLiteral("Line1"));
    ligne->setFrameShape(QFrame::HLine);
    ligne->setFrameShadow(QFrame::Sunken);
    placer(ligne, 120, 1200, 5625, 30);
    cmdOK = new platform::CommandButton(this, QStringLiteral("cmdOK"), QStringLiteral("OK"));
    placer(cmdOK, 2640, 1440, 1467, 345);
    cmdOK->setDefault(true);
    cmdSysInfo = new platform::CommandButton(this, QStringLiteral("cmdSysInfo"),
                                             QStringLiteral("&System Info..."));
    placer(cmdSysInfo, 4200, 1440, 1452, 345);
    cmdSysInfo->setAutoDefault(false);
    connect(cmdOK, &platform::CommandButton::Click, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &platform::CommandButton::Click, this, &frmAbout::cmdSysInfo_Click);
    Form_Load();
}

void frmAbout::Form_Load()
{
    lblVersion->setCaption(QStringLiteral("Version %1.%2.%3")
                               .arg(kVersionMajor)
                               .arg(kVersionMinor)
                               .arg(kVersionRevision));
    lblTitle->setCaption(kTitreApplication);
}

void frmAbout::StartSysInfo()
{
    using platform::RegistryRoot;
    if (const auto chemin = platform::registryValue(
            RegistryRoot::LocalMachine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
            QStringLiteral("PATH"))) {
        if (platform::startProgram(*chemin))
            return;
    } else if (const auto dossier = platform::registryValue(
                   RegistryRoot::LocalMachine,
                   QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                   QStringLiteral("MSINFO"))) {
        const QString programme = *dossier + QStringLiteral("/MSINFO32.EXE");
        if (QFileInfo::exists(programme) && platform::startProgram(programme))
            return;
    }
    platform::MsgBox(QStringLiteral("System Information Is Unavailable At This Time"),
                     platform::vbOKOnly, kTitreApplication);
}

} // namespace editor
