// Key presses and clicks sent to a widget as the window system would: a press, then a release.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QWidget>

inline void appuyer(QWidget *widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(widget, &release);
}

// A click of the left button on entry `ligne` of a list, as a user makes it.
inline void cliquerEntree(QListWidget *liste, int ligne)
{
    QWidget *zone = liste->viewport();
    const QPointF point = liste->visualItemRect(liste->item(ligne)).center();
    const QPointF global = zone->mapToGlobal(point);
    QMouseEvent press(QEvent::MouseButtonPress, point, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(zone, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, point, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(zone, &release);
}
