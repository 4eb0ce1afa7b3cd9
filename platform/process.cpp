#include "platform/process.h"

#include "platform/programfolder.h"

#include <QProcess>

namespace platform {
namespace {
class QtProcessStarter : public ProcessStarter {
public:
    bool startDetached(const QString &program, const QStringList &arguments) override
    {
        return QProcess::startDetached(program, arguments, programFolder());
    }
};

std::unique_ptr<ProcessStarter> &starter()
{
    static std::unique_ptr<ProcessStarter> instance = std::make_unique<QtProcessStarter>();
    return instance;
}
} // namespace

bool startProgram(const QString &name, const QStringList &arguments)
{
    return starter()->startDetached(programPath(name), arguments);
}

bool startQuestionProgram(const QString &key)
{
    return starter()->startDetached(questionProgramPath(key), {});
}

void setProcessStarter(std::unique_ptr<ProcessStarter> s)
{
    starter() = s ? std::move(s) : std::make_unique<QtProcessStarter>();
}

} // namespace platform
