// Tempelgestion: the administration tool. Its one window reads the settings at start and
// ends the program when it closes.
#include "admin/form1.h"
#include "platform/display.h"
#include "platform/translations.h"
#include "platform/screens.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (!platform::checkDisplay("Tempelgestion"))
        return 1;
    platform::preferFrenchLocale();
    QApplication app(argc, argv);
    platform::installFrenchTranslations(app);
    QApplication::setApplicationName(QStringLiteral("Tempelgestion"));
    platform::Screens::get<Form1>().Show();
    return app.exec();
}
