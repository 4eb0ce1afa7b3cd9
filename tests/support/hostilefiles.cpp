#include "support/hostilefiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <sys/stat.h>
#include <thread>

namespace {

constexpr Hostile kKinds[] = {Hostile::Fifo, Hostile::DeviceLink, Hostile::Folder,
                              Hostile::Huge, Hostile::Bom,        Hostile::CrOnly};

const char *nameOf(Hostile kind)
{
    switch (kind) {
    case Hostile::Fifo: return "a named pipe";
    case Hostile::DeviceLink: return "a link to /dev/zero";
    case Hostile::Folder: return "a folder";
    case Hostile::Huge: return "a huge file";
    case Hostile::Bom: return "a byte-order mark";
    case Hostile::CrOnly: return "CR line ends";
    }
    return "";
}

// Runs `read`; still running after the deadline, it ends the program: a blocked `open` cannot
// be interrupted, and the suite must not hang on it.
QString withinDeadline(const std::function<QString()> &read, const std::string &what)
{
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    std::thread watchdog([&] {
        std::unique_lock lock(mutex);
        if (!done.wait_for(lock, std::chrono::seconds(10), [&] { return finished; })) {
            std::fprintf(stderr, "FAILED: %s is still being read after 10 s\n", what.c_str());
            std::fflush(stderr);
            std::_Exit(1);
        }
    });
    const QString seen = read();
    {
        std::lock_guard lock(mutex);
        finished = true;
    }
    done.notify_one();
    watchdog.join();
    return seen;
}

void clear(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        QDir(path).removeRecursively();
    else
        QFile::remove(path);
}

} // namespace

void layHostile(const QString &path, Hostile kind, const QByteArray &record)
{
    clear(path);
    QDir().mkpath(QFileInfo(path).path());
    const auto write = [&path](const QByteArray &bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(bytes);
    };
    switch (kind) {
    case Hostile::Fifo: ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0); break;
    case Hostile::DeviceLink: ASSERT_TRUE(QFile::link("/dev/zero", path)); break;
    case Hostile::Folder: ASSERT_TRUE(QDir().mkpath(path)); break;
    case Hostile::Huge: {
        write(record);
        QFile file(path);
        ASSERT_TRUE(file.resize(qint64(100) << 20));
        break;
    }
    case Hostile::Bom: write("\xEF\xBB\xBF" + record); break;
    case Hostile::CrOnly: write(QByteArray(record).replace("\r\n", "\r")); break;
    }
}

void expectReadersWithstandHostileFiles(const QString &folder,
                                        const std::vector<HostileReader> &readers)
{
    for (const HostileReader &reader : readers) {
        const QString path = QDir(folder).filePath(reader.file);
        for (const Hostile kind : kKinds) {
            if (!reader.text && (kind == Hostile::Bom || kind == Hostile::CrOnly))
                continue;
            layHostile(path, kind, reader.record);
            const std::string what = std::string(reader.name) + " with " + nameOf(kind);
            const bool missing = kind == Hostile::Fifo || kind == Hostile::DeviceLink ||
                                 kind == Hostile::Folder ||
                                 (kind == Hostile::Huge && reader.wholeFile);
            EXPECT_EQ(withinDeadline(reader.read, what).toStdString(),
                      (missing ? reader.whenMissing : reader.whenRead).toStdString())
                << what;
        }
        // The sound file again, for the readers that follow.
        clear(path);
        QFile sound(path);
        if (sound.open(QIODevice::WriteOnly))
            sound.write(reader.record);
    }
}
