#include "game/setup/form_fond.h"

#include "game/setup/form_nombre_joueurs.h"
#include "platform/screens.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

using namespace platform;

Form_fond::Form_fond() : Form(QString::fromLatin1(formName))
{
    setWindowFlag(Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Tempeljeu"));
    // Painted, not a palette colour: the screens shown inside must not inherit black.
    setAttribute(Qt::WA_OpaquePaintEvent);
    Form::setHostWindow(this);
}

void Form_fond::afficherPleinEcran()
{
    // Without a window manager a full-screen request alone leaves the window small.
    if (const QScreen *ecran = QGuiApplication::primaryScreen())
        setGeometry(ecran->geometry());
    showFullScreen();
    raise();
}

void Form_fond::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!Picture().isNull())
        painter.drawPixmap(0, 0, Picture());
}

void Form_fond::closeEvent(QCloseEvent *event)
{
    // Closing the game by the window system ends it as its own quit does.
    event->ignore();
    quitterLeJeu();
}

Form_fond &form_fond()
{
    return Screens::get<Form_fond>();
}
