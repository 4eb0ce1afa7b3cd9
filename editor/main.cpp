// Tempelcrea: the question file editor.
#include "editor/frmmain.h"
#include "platform/display.h"
#include "platform/translations.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    if (!platform::checkDisplay("Tempelcrea"))
        return 1;
    platform::preferFrenchLocale();
    QApplication app(argc, argv);
    platform::installFrenchTranslations(app);
    QApplication::setOrganizationName(QStringLiteral("Tempel"));
    QApplication::setApplicationName(QStringLiteral("Tempelcrea"));
    QApplication::setApplicationDisplayName(editor::kTitreApplication);
    editor::frmMain fPrincipal;
    const QRect ecran = QGuiApplication::primaryScreen()->availableGeometry();
    fPrincipal.move(ecran.center() - fPrincipal.rect().center());
    fPrincipal.show();
    return app.exec();
}
