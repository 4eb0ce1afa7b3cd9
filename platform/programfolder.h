// The program folder: where the programs, their data files and media folders live.
#pragma once

#include <QString>

namespace platform {

// The folder of the running executable, unless a test pointed it elsewhere.
QString programFolder();
void setProgramFolder(const QString &folder);

// A file of the program folder, joined with "/".
QString programPath(const QString &fileName);

// The question program of a theme key. They live in a folder of their own: the listening
// theme's program and its folder of pieces share the name "ecoutes".
QString questionProgramPath(const QString &key);

} // namespace platform
