// Key presses sent to a widget as the window system would: a press, then a release.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

inline void appuyer(QWidget *widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(widget, &release);
}
