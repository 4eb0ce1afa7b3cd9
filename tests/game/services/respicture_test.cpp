// ResPicture: pictures from the game's own resources and from a question pack's resource file
// (built here with rcc), its numbered errors and who releases a module.
#include "game/services/respicture.h"

#include "platform/errors.h"
#include "platform/programfolder.h"
#include "support/programfoldertest.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QVariant>

#include <memory>
#include <optional>

namespace {

#ifndef TEMPEL_RCC
#define TEMPEL_RCC "/usr/lib/qt6/libexec/rcc"
#endif

// The pack's entries; each picture has a size of its own so that a test can tell which one it
// got. An empty size stores bytes that are no picture.
struct PackEntry {
    const char *type;
    const char *name;
    QSize size;
};
const PackEntry kPack[] = {
    {"IMAGES", "PORTEE", {40, 30}}, {"IMAGES", "Clef", {12, 34}},  {"IMAGES", "100", {10, 20}},
    {"IMAGES", "65535", {11, 21}},  {"IMAGES", "70000", {13, 23}}, {"IMAGES", "1024_600", {16, 6}},
    {"IMAGES", "0", {14, 24}},      {"IMAGES", "-5", {15, 25}},    {"IMAGES", "CASSE", {}},
    {"Divers", "Note", {7, 9}},
};

// Writes the pictures and their list into the folder and has rcc build "pack.rcc" there.
bool buildPack(const QString &folder)
{
    QString qrc = "<RCC>\n";
    int n = 0;
    for (const PackEntry &entry : kPack) {
        const QString file = QStringLiteral("f%1.jpg").arg(n++);
        QImage image(entry.size.isEmpty() ? QSize(1, 1) : entry.size, QImage::Format_RGB32);
        image.fill(Qt::darkYellow);
        if (!image.save(folder + "/" + file))
            return false;
        if (entry.size.isEmpty())
            QFile(folder + "/" + file).resize(3);
        qrc +=
            QStringLiteral("<qresource prefix=\"/%1\"><file alias=\"%2\">%3</file></qresource>\n")
                .arg(entry.type, entry.name, file);
    }
    QFile list(folder + "/pack.qrc");
    if (!list.open(QIODevice::WriteOnly) || list.write((qrc + "</RCC>\n").toUtf8()) < 0)
        return false;
    list.close();
    QProcess rcc;
    rcc.setWorkingDirectory(folder);
    rcc.start(TEMPEL_RCC, {"--binary", "pack.qrc", "-o", "pack.rcc"});
    return rcc.waitForFinished(30000) && rcc.exitCode() == 0;
}

template <class F> std::optional<platform::NumberedError> errorOf(F &&call)
{
    try {
        call();
    } catch (const platform::NumberedError &e) {
        return e;
    }
    return std::nullopt;
}

class ResPictureTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        QDir(path({})).mkdir("pack");
        ASSERT_TRUE(buildPack(path("pack"))) << "rcc could not build the test pack";
    }
    QString pack() const { return path("pack/pack.rcc"); }
    bool loads(ResPicture &picture) const
    {
        return !errorOf([&] { picture.LoadResPicture("images", "portee"); });
    }
};

TEST_F(ResPictureTest, LooksUpTypeAndNameWithoutRegardToCaseAndNumbersAsIdentifiers)
{
    struct LookUp {
        const char *type;
        QVariant id; // text, or a number passed as one
        QSize size;  // the picture expected, else the error:
        int error = 0;
        const char *text = nullptr;
    };
    const LookUp cases[] = {
        {"images", "portee", {40, 30}},
        {"IMAGES", "Portee", {40, 30}},
        {"Images", "CLEF", {12, 34}},
        {"divers", "NOTE", {7, 9}},
        {"images", "100", {10, 20}},
        {"images", 100, {10, 20}},
        {"images", "0100", {10, 20}},
        {"images", 65535, {11, 21}},
        {"images", "1024_600", {16, 6}},
        // Outside 1..65535 a number is a name like any other.
        {"images", 70000, {13, 23}},
        {"images", 0, {14, 24}},
        {"images", -5, {15, 25}},
        {"images", "+100", {}, -2147221503, "The resource was not found. GetLastError: 1814"},
        {"images", "00", {}, -2147221503, "The resource was not found. GetLastError: 1814"},
        {"images", "070000", {}, -2147221503, "The resource was not found. GetLastError: 1814"},
        {"images", "absente", {}, -2147221503, "The resource was not found. GetLastError: 1814"},
        {"fond", "portee", {}, -2147221503, "The resource was not found. GetLastError: 1813"},
        {"images", "casse", {}, 481, "Invalid picture"},
    };
    ResPicture picture;
    picture.setFileName(pack());
    for (const LookUp &c : cases) {
        const QString shown = QStringLiteral("%1/%2").arg(c.type, c.id.toString());
        QPixmap got;
        const auto error = errorOf([&] {
            got = c.id.typeId() == QMetaType::Int ? picture.LoadResPicture(c.type, c.id.toInt())
                                                  : picture.LoadResPicture(c.type, c.id.toString());
        });
        if (c.error == 0) {
            EXPECT_FALSE(error) << qPrintable(shown);
            EXPECT_EQ(got.size(), c.size) << qPrintable(shown);
        } else {
            ASSERT_TRUE(error) << qPrintable(shown);
            EXPECT_EQ(error->number(), c.error) << qPrintable(shown);
            EXPECT_EQ(error->description(), c.text) << qPrintable(shown);
        }
    }
}

TEST_F(ResPictureTest, FileThatCannotBeOpenedRaisesCannotOpenAndKeepsItsName)
{
    writeFile("pas_un_module.dll", "MZ and nothing more");
    QDir(path({})).mkpath("dossier/ailleurs");
    const std::pair<QString, int> cases[] = {
        {path("absent.dll"), 2},
        {path("absent %1 %2.dll"), 2},
        {QString(), 2},
        {path("dossier"), 5},
        {path("pas_un_module.dll"), 193},
        // The game's name outside the program folder is no more than a missing pack.
        {path("dossier/ailleurs/Tempeljeu.exe"), 2},
    };
    for (const auto &entry : cases) {
        const QString &file = entry.first;
        const int lastError = entry.second;
        ResPicture picture;
        const auto error = errorOf([&] { picture.setFileName(file); });
        ASSERT_TRUE(error) << qPrintable(file);
        EXPECT_EQ(error->number(), -2147221504);
        EXPECT_EQ(error->description(),
                  "Cannot open " + file + ". GetLastError returns: " + QString::number(lastError));
        EXPECT_EQ(picture.FileName(), file);
        EXPECT_EQ(picture.hInstance(), 0);
    }
}

TEST_F(ResPictureTest, OnlyTheInstanceThatOpenedAModuleReleasesIt)
{
    // Handles are never reused: a borrower of a released handle finds nothing.
    const auto releasedAfter = [&](auto &&change) {
        auto owner = std::make_unique<ResPicture>();
        owner->setFileName(pack());
        const platform::ModuleHandle handle = owner->hInstance();
        change(owner);
        ResPicture borrower;
        borrower.setHInstance(handle);
        EXPECT_TRUE(borrower.FileName().isEmpty());
        return !loads(borrower);
    };
    EXPECT_TRUE(releasedAfter([](auto &owner) { owner->setHInstance(0); }));
    EXPECT_TRUE(releasedAfter([&](auto &owner) { owner->setFileName(pack()); }));
    EXPECT_TRUE(releasedAfter([](auto &owner) { owner.reset(); }));
    EXPECT_FALSE(releasedAfter([](auto &) {}));

    ResPicture owner;
    owner.setFileName(pack());
    std::make_unique<ResPicture>()->setHInstance(owner.hInstance());
    std::make_unique<ResPicture>()->setFileName(pack());
    EXPECT_TRUE(loads(owner)) << "another instance released this one's module";
}

TEST_F(ResPictureTest, GameProgramFileReadsTheCompiledInResources)
{
    // The callers name the program as shipped; the Linux executable has no suffix.
    for (const char *name : {"Tempeljeu.exe", "Tempeljeu"}) {
        ResPicture picture;
        picture.setFileName(platform::programFolder() + "/" + QLatin1String(name));
        EXPECT_NE(picture.hInstance(), 0);
        EXPECT_EQ(picture.LoadResPicture("fond", "accueil").size(), QSize(800, 600));
    }
}

TEST_F(ResPictureTest, NoModuleOrAFailedOpenReadsTheGameResources)
{
    ResPicture picture;
    EXPECT_EQ(picture.LoadResPicture("images", 100).size(), QSize(146, 200));
    EXPECT_TRUE(errorOf([&] { picture.setFileName(path("absent.rcc")); }));
    EXPECT_EQ(picture.LoadResPicture("IMAGES", "100").size(), QSize(146, 200));
}

} // namespace
