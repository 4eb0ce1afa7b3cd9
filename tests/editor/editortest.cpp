#include "editortest.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

void EditorTest::SetUp()
{
    ProgramFolderTest::SetUp();
    ASSERT_TRUE(m_settings.isValid());
    QCoreApplication::setOrganizationName(QStringLiteral("Tempel"));
    QCoreApplication::setApplicationName(QStringLiteral("TempelcreaTest"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
    QDir(m_folder.path()).mkpath(QStringLiteral("images"));
    QDir(m_folder.path()).mkpath(QStringLiteral("audio"));
    enregistrerMessages();
    // The boxes take the queued answers in turn, then "OK".
    m_pendantMessage = [this] {
        m_reponse = platform::vbOK;
        if (!reponses.empty()) {
            m_reponse = reponses.front();
            reponses.pop_front();
        }
    };
    auto fake = std::make_unique<FakeDialogues>();
    dialogues = fake.get();
    main = std::make_unique<editor::frmMain>(std::move(fake));
}

void EditorTest::TearDown()
{
    main.reset();
    ProgramFolderTest::TearDown();
}

std::vector<Message> EditorTest::messages()
{
    return std::exchange(m_messages, {});
}

void EditorTest::ouvrir(const QString &fichier, const QByteArray &bytes)
{
    writeFile(fichier, bytes);
    dialogues->fichiers.push_back(path(fichier));
    main->mnuFileOpen_Click();
}

void EditorTest::enregistrerSous(const QString &nom)
{
    dialogues->fichiers.push_back(nom);
    main->mnuFileSaveAs_Click();
}
