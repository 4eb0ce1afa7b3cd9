// Tempeljeu: the quiz game.
#include "game/services/module_nouveau_themes.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tempeljeu"));
    Charger_parametres();

    QWidget fond;
    fond.setStyleSheet(QStringLiteral("background: black"));
    fond.showFullScreen();
    return app.exec();
}
