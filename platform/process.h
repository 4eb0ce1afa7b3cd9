// Starting another program of the program folder, without waiting for it.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace platform {

class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // `program` is a path; the program folder is the working folder.
    virtual bool startDetached(const QString &program, const QStringList &arguments) = 0;
};

// Starts the program `name` of the program folder; false when it could not be started.
bool startProgram(const QString &name, const QStringList &arguments = {});

// Starts the question program of a theme key, with no arguments.
bool startQuestionProgram(const QString &key);

// Tests install a recording starter; nothing restores the real one.
void setProcessStarter(std::unique_ptr<ProcessStarter> starter);

} // namespace platform
