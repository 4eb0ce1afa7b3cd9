// A program starter for tests: records each start instead of making it, and may run a stand-in
// for the program (a fake question program that writes question.tpq).
#pragma once

#include "platform/process.h"

#include <QFileInfo>
#include <QString>

#include <functional>
#include <vector>

struct RecordingStarter : platform::ProcessStarter {
    std::vector<QString> *started;
    // Called with the program's bare name ("compos", "Tempelgestion").
    std::function<void(const QString &)> standIn;
    explicit RecordingStarter(std::vector<QString> *s,
                              std::function<void(const QString &)> programme = {})
        : started(s), standIn(std::move(programme))
    {
    }
    bool startDetached(const QString &program, const QStringList &) override
    {
        started->push_back(program);
        if (standIn)
            standIn(QFileInfo(program).fileName());
        return false;
    }
};
