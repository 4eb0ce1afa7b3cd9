// The default browser's command as the desktop gives it: mimeapps.list names a desktop entry,
// whose Exec line is the command.
#include "platform/registry.h"
#include "platform/registry_desktop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        for (const char *name :
             {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS", "PATH"})
            m_saved.emplace_back(name, qgetenv(name));
        qputenv("XDG_CONFIG_HOME", m_dir.filePath("config").toUtf8());
        qputenv("XDG_CONFIG_DIRS", m_dir.filePath("none").toUtf8());
        qputenv("XDG_DATA_HOME", m_dir.filePath("data").toUtf8());
        qputenv("XDG_DATA_DIRS", m_dir.filePath("none").toUtf8());
        // No xdg tools: the lists are read directly.
        qputenv("PATH", m_dir.filePath("bin").toUtf8());
    }
    void TearDown() override
    {
        for (const auto &[name, value] : m_saved)
            qputenv(name, value);
    }

    void write(const QString &relative, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir m_dir;
    std::vector<std::pair<const char *, QByteArray>> m_saved;
};
} // namespace

TEST_F(DesktopTest, TheDefaultHandlerOfHttpGivesItsExecLine)
{
    write("config/mimeapps.list",
          "[Added Associations]\nx-scheme-handler/http=autre.desktop;\n"
          "[Default Applications]\nx-scheme-handler/http=nav.desktop;autre.desktop;\n");
    write("data/applications/nav.desktop",
          "[Desktop Entry]\nName=Nav\nExec=/opt/nav/nav --profil\\sdeux %u\n"
          "[Desktop Action fenetre]\nExec=/opt/nav/nav --fenetre\n");
    EXPECT_EQ(platform::registryValue(platform::RegistryRoot::ClassesRoot,
                                      "HTTP\\Shell\\Open\\command", ""),
              std::optional<QString>("/opt/nav/nav --profil deux %u"));
}

TEST_F(DesktopTest, AVendorPrefixMayNameASubFolder)
{
    write("config/mimeapps.list",
          "[Default Applications]\nx-scheme-handler/http=marque-nav.desktop\n");
    write("data/applications/marque/nav.desktop", "[Desktop Entry]\nExec=nav %U\n");
    EXPECT_EQ(platform::desktop::browserCommand(), std::optional<QString>("nav %U"));
}

TEST_F(DesktopTest, NoDefaultBrowserIsNotFound)
{
    EXPECT_FALSE(platform::desktop::browserCommand());
    write("config/mimeapps.list", "[Default Applications]\nx-scheme-handler/http=absent.desktop\n");
    EXPECT_FALSE(platform::desktop::browserCommand());
    write("data/applications/absent.desktop", "[Desktop Entry]\nName=Sans commande\n");
    EXPECT_FALSE(platform::desktop::browserCommand());
}
