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
    // Black only where the picture does not reach: the screen's worth of black painted under
    // it would cost the first frame as much as the picture itself.
    QPainter painter(this);
    const QRect image = Picture().hasAlphaChannel()
                            ? QRect()
                            : QRect(QPoint(0, 0), Picture().deviceIndependentSize().toSize());
    for (const QRect &r : QRegion(rect()).subtracted(image))
        painter.fillRect(r, Qt::black);
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
