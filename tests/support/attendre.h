// Waiting in a test for what another thread or a timer brings: the caller's events run until
// `done` holds, for a few seconds at most, so that a busy machine is waited for and a fault
// still ends the test.
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <functional>

inline bool attendreQue(const std::function<bool()> &done, int milliseconds = 10000)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}
