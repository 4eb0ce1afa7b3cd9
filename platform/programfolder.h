// The program folder: where the programs, their data files and media folders live.
#pragma once

#include <QString>

namespace platform {

// The folder of the running executable, unless a test pointed it elsewhere.
QString programFolder();
void setProgramFolder(const QString &folder);

// A file of the program folder, joined with "/".
QString programPath(const QString &fileName);

} // namespace platform
