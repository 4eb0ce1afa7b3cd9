// Tempeljeu: the quiz game. Loading the welcome screen starts everything else.
#include "game/screens.h"
#include "game/setup/form_accueil.h"
#include "platform/display.h"
#include "platform/translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (!platform::checkDisplay("Tempeljeu"))
        return 1;
    platform::preferFrenchLocale();
    QApplication app(argc, argv);
    platform::installFrenchTranslations(app);
    QApplication::setApplicationName(QStringLiteral("Tempeljeu"));
    // The game ends by its own quit, which unloads every screen in order.
    QApplication::setQuitOnLastWindowClosed(false);
    registerGameScreens();
    form_accueil().Show();
    return app.exec();
}
