// Question packs cut short (a download that stopped) or with bytes changed: each is refused as a
// missing pack would be, or opens and reads; none has the program read past the file's bytes
// (the sanitizer build watches for that).
#include "platform/resourcemodule.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <optional>
#include <random>

using namespace platform;

namespace {

struct Entry {
    const char *type;
    const char *name;
    const char *file;
    const char *compression; // how rcc is asked to store it
};
// Pictures stored as they are, and a picture and a text that rcc compresses, one each way.
const Entry kEntries[] = {
    {"IMAGES", "PORTEE", "portee.png", "none"},
    {"IMAGES", "CLEF", "clef.jpg", "none"},
    {"IMAGES", "FOND", "fond.bmp", "zstd"},
    {"TEXTES", "NOTE", "note.txt", "zlib"},
};

class DamagedPackTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        ASSERT_TRUE(picture.save(m_dir.filePath("portee.png")));
        ASSERT_TRUE(picture.save(m_dir.filePath("clef.jpg")));
        ASSERT_TRUE(picture.save(m_dir.filePath("fond.bmp")));
        QFile text(m_dir.filePath("note.txt"));
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write(QByteArray("do ré mi fa sol la si ").repeated(40));
        text.close();
        QString qrc = "<RCC><qresource prefix=\"/\">\n";
        for (const Entry &e : kEntries)
            qrc += QStringLiteral("<file alias=\"%1/%2\" compression-algorithm=\"%3\">%4</file>\n")
                       .arg(e.type, e.name, e.compression, e.file);
        QFile list(m_dir.filePath("pack.qrc"));
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        list.write((qrc + "</qresource></RCC>\n").toUtf8());
        list.close();
        QProcess rcc;
        rcc.setWorkingDirectory(m_dir.path());
        rcc.start(TEMPEL_RCC, {"--binary", "pack.qrc", "-o", "pack.rcc"});
        ASSERT_TRUE(rcc.waitForFinished(30000) && rcc.exitCode() == 0);
        QFile pack(m_dir.filePath("pack.rcc"));
        ASSERT_TRUE(pack.open(QIODevice::ReadOnly));
        m_pack = pack.readAll();
        const auto whole = opened(m_pack);
        ASSERT_TRUE(whole);
        for (const QByteArray &bytes : *whole)
            ASSERT_FALSE(bytes.isEmpty());
    }

    // Every entry the pack gives, after a look for one it does not hold (which lists the
    // folder); nothing when it is refused.
    std::optional<QList<QByteArray>> opened(const QByteArray &bytes) const
    {
        const QString path = m_dir.filePath("copie.rcc");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return std::nullopt;
        file.close();
        const ModuleOpened module = openResourceModule(path);
        if (module.handle == 0)
            return std::nullopt;
        readResource(module.handle, "IMAGES", "ABSENTE");
        QList<QByteArray> entries;
        for (const Entry &e : kEntries)
            entries << readResource(module.handle, e.type, e.name).bytes;
        releaseResourceModule(module.handle);
        return entries;
    }

    QTemporaryDir m_dir;
    QByteArray m_pack;
};

TEST_F(DamagedPackTest, PackCutShortIsRefused)
{
    // rcc writes the tree last: a pack cut anywhere has lost part of it.
    const qsizetype step = std::max<qsizetype>(1, m_pack.size() / 300);
    for (qsizetype cut = 0; cut < m_pack.size(); cut += step)
        EXPECT_FALSE(opened(m_pack.left(cut))) << "cut at " << cut;
}

TEST_F(DamagedPackTest, PackWithBytesChangedIsRefusedOrReads)
{
    // Every byte of the header, the names and the tree, and as many taken at random.
    const qsizetype names = qFromBigEndian<quint32>(m_pack.constData() + 16);
    std::vector<qsizetype> places(24);
    std::iota(places.begin(), places.end(), 0);
    for (qsizetype at = names; at < m_pack.size(); ++at)
        places.push_back(at);
    std::mt19937 random(1789);
    std::uniform_int_distribution<qsizetype> anywhere(0, m_pack.size() - 1);
    std::uniform_int_distribution<int> change(1, 255);
    for (std::size_t i = places.size(); i-- > 0;)
        places.push_back(anywhere(random));
    int refused = 0;
    for (const qsizetype at : places) {
        QByteArray bytes = m_pack;
        bytes[at] = char(bytes[at] ^ change(random));
        refused += !opened(bytes);
    }
    EXPECT_GT(refused, 0);
    // A name whose length runs past the file: Qt would read beyond the bytes to compare it.
    QByteArray longName = m_pack;
    qToBigEndian<quint16>(0xFFFF, longName.data() + names);
    EXPECT_FALSE(opened(longName));
}

} // namespace
