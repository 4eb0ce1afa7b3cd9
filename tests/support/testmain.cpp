// The main of every test program: a headless application in a home of its own, then the tests.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    // What Qt, the file dialogs, fontconfig, GStreamer and the sound server keep for the user
    // (settings, histories, caches) goes to folders of the run's own, gone at its end. Set
    // before anything reads them, for the programs the tests start too.
    const QTemporaryDir home;
    if (!home.isValid())
        return 1;
    const QDir root(home.path());
    for (const auto &[variable, folder] : {std::pair{"HOME", "home"},
                                           {"XDG_CONFIG_HOME", "config"},
                                           {"XDG_CACHE_HOME", "cache"},
                                           {"XDG_DATA_HOME", "data"},
                                           {"XDG_RUNTIME_DIR", "runtime"}}) {
        if (!root.mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return 1;
        qputenv(variable, QFile::encodeName(root.filePath(folder)));
    }
    // Test discovery runs the program without the tests' environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
