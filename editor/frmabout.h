// The About box: the product name, the version and a button that starts the system's
// information tool.
#pragma once

#include "platform/controls.h"

#include <QDialog>

namespace editor {

inline constexpr int kVersionMajor = 1, kVersionMinor = 2, kVersionRevision = 0;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget *owner = nullptr);

    platform::PictureBox *picIcon;
    platform::Label *lblTitle;
    platform::Label *lblVersion;
    platform::CommandButton *cmdOK;
    platform::CommandButton *cmdSysInfo;

    void Form_Load();
    void cmdOK_Click() { accept(); }
    void cmdSysInfo_Click() { StartSysInfo(); }
    void StartSysInfo();
};

} // namespace editor
