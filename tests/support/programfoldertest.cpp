#include "programfoldertest.h"

#include "platform/messagebox.h"
#include "platform/programfolder.h"
#include "platform/screens.h"

#include <QDir>
#include <QFile>

void ProgramFolderTest::SetUp()
{
    ASSERT_TRUE(m_folder.isValid());
    platform::setProgramFolder(m_folder.path());
    // No test may stop on a message box that nobody answers.
    platform::setMsgBoxAnswerer([](const QString &, int, const QString &) {
        ADD_FAILURE() << "unexpected message box";
        return 1;
    });
}

void ProgramFolderTest::TearDown()
{
    platform::Screens::unloadAll();
    platform::setMsgBoxAnswerer({});
    platform::setProgramFolder({});
}

QString ProgramFolderTest::path(const QString &fileName) const
{
    return QDir(m_folder.path()).filePath(fileName);
}

void ProgramFolderTest::writeFile(const QString &fileName, const QByteArray &bytes) const
{
    QFile file(path(fileName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ProgramFolderTest::readFile(const QString &fileName) const
{
    QFile file(path(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool ProgramFolderTest::exists(const QString &fileName) const
{
    return QFile::exists(path(fileName));
}
