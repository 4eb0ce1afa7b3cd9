// The programs speak French to the end: Qt's own dialogs (file, print, message box buttons)
// too, whatever the user's language.
#pragma once

class QCoreApplication;

namespace platform {

// Loads Qt's French translations into `app`; without the translation files nothing changes.
void installFrenchTranslations(QCoreApplication &app);

} // namespace platform
