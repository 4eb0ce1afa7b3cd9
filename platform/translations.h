// The programs speak French to the end: Qt's own dialogs (file, print, message box buttons),
// dates and calendars too, whatever the user's language.
#pragma once

class QCoreApplication;

namespace platform {

// Before the application object exists: French becomes the default locale, and the locale
// that Qt reads from the environment (the file dialogs' dates) says French too, unless LC_ALL
// is set.
void preferFrenchLocale();

// Loads Qt's French translations into `app`; without the translation files nothing changes.
void installFrenchTranslations(QCoreApplication &app);

} // namespace platform
