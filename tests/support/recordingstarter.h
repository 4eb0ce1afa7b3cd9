// A program starter for tests: records each start instead of making it, and may run a stand-in
// for the program (a fake question program that writes question.tpq).
#pragma once

#include "platform/process.h"

#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

struct RecordingStarter : platform::ProcessStarter {
    std::vector<QString> *started;
    // Called with the program's bare name ("compos", "Tempelgestion").
    std::function<void(const QString &)> standIn;
    // What each start answers: whether the program could be started.
    bool answer = false;
    // Each start's arguments, when the test keeps them.
    std::vector<QStringList> *arguments = nullptr;

    explicit RecordingStarter(std::vector<QString> *s,
                              std::function<void(const QString &)> programme = {})
        : started(s), standIn(std::move(programme))
    {
    }
    bool startDetached(const QString &program, const QStringList &args) override
    {
        started->push_back(program);
        if (arguments)
            arguments->push_back(args);
        if (standIn)
            standIn(QFileInfo(program).fileName());
        return answer;
    }
};
