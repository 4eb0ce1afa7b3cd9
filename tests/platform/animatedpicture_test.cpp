// The animated picture control on a real two-frame GIF (red, then blue), on "" and on files
// that hold no picture or one too large to decode.
#include "platform/animatedpicture.h"
#include "support/attendre.h"

#include <QFile>
#include <QMovie>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// 8 x 4 pixels, two frames of 20 ms looping for ever: all red, then all blue.
const unsigned char kTwoFrames[] = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x08, 0x00, 0x04, 0x00, 0xf0, 0x00, 0x00, 0xff,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x02, 0x00, 0x00, 0x00, 0x21,
    0xff, 0x0b, 0x4e, 0x45, 0x54, 0x53, 0x43, 0x41, 0x50, 0x45, 0x32, 0x2e, 0x30, 0x03,
    0x01, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x08, 0x00, 0x04, 0x00, 0x00,
    0x02, 0x05, 0x84, 0x8f, 0xa9, 0x8b, 0x05, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x02, 0x00,
    0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x08, 0x00, 0x04, 0x00, 0x80, 0x00, 0x00,
    0xff, 0x00, 0x00, 0x00, 0x02, 0x05, 0x84, 0x8f, 0xa9, 0x8b, 0x05, 0x00, 0x3b};

// Nine frames of 2048 x 2048 in a few hundred bytes, each frame's data one pixel: 144 MB once
// decoded, more than Qt's reader allows a picture.
QByteArray manyLargeFrames()
{
    QByteArray gif("GIF89a\x00\x08\x00\x08\x80\x00\x00"
                   "\x00\x00\x00\xff\xff\xff",
                   19);
    for (int i = 0; i < 9; ++i)
        gif += QByteArray("\x21\xf9\x04\x00\x02\x00\x00\x00"
                          ",\x00\x00\x00\x00\x00\x08\x00\x08\x00"
                          "\x02\x02\x44\x01\x00",
                          23);
    return gif + ';';
}

class AnimatedPictureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QFile gif(gifPath());
        ASSERT_TRUE(gif.open(QIODevice::WriteOnly));
        gif.write(reinterpret_cast<const char *>(kTwoFrames), sizeof kTwoFrames);
        m_screen.resize(300, 300);
        m_control = new platform::AnimatedPicture(&m_screen, "Image2");
        m_control->setGeometry(0, 0, 100, 100);
        m_screen.show();
    }

    QString gifPath() const { return m_dir.filePath("avatar.gif"); }
    // The same picture without its loop block: it asks to be played once.
    QString playOncePath() const
    {
        QByteArray bytes(reinterpret_cast<const char *>(kTwoFrames), sizeof kTwoFrames);
        bytes.remove(bytes.indexOf("\x21\xff\x0bNETSCAPE2.0"), 19);
        const QString path = m_dir.filePath("une_fois.gif");
        QFile gif(path);
        if (gif.open(QIODevice::WriteOnly))
            gif.write(bytes);
        return path;
    }
    QMovie *movie() const { return m_control->findChild<QMovie *>(); }
    bool running() const { return movie() && movie()->state() == QMovie::Running; }
    bool showsNothing() const { return m_control->pixmap().isNull(); }
    QColor shownColour() const
    {
        const QImage image = m_control->pixmap().toImage();
        return image.isNull() ? QColor() : image.pixelColor(image.rect().center());
    }

    QTemporaryDir m_dir;
    QWidget m_screen;
    platform::AnimatedPicture *m_control = nullptr; // owned by m_screen
};

TEST_F(AnimatedPictureTest, StandsStillOnTheFirstFrameUntilAnimationIsOn)
{
    m_control->setCheminImage(gifPath());
    EXPECT_EQ(m_control->CheminImage(), gifPath());
    EXPECT_EQ(shownColour(), QColor(Qt::red));
    ASSERT_TRUE(movie());
    EXPECT_EQ(movie()->state(), QMovie::NotRunning);
}

TEST_F(AnimatedPictureTest, AnimationOnPlaysAndOffStopsOnTheFirstFrame)
{
    // A picture that asks to be played once still plays for as long as the animation is on.
    m_control->setCheminImage(playOncePath());
    m_control->setAnimation(true);
    EXPECT_TRUE(m_control->Animation());
    EXPECT_TRUE(attendreQue([&] { return shownColour() == QColor(Qt::blue); }));
    EXPECT_TRUE(attendreQue([&] { return shownColour() == QColor(Qt::red); }));
    EXPECT_TRUE(attendreQue([&] { return shownColour() == QColor(Qt::blue); }));

    m_control->setAnimation(false);
    m_control->setReglageEntier(0);
    EXPECT_FALSE(running());
    EXPECT_EQ(shownColour(), QColor(Qt::red));
}

TEST_F(AnimatedPictureTest, PictureFitsTheControlKeepingItsProportions)
{
    m_control->setCheminImage(gifPath());
    EXPECT_EQ(m_control->pixmap().size(), QSize(100, 50));
    m_control->resize(60, 200);
    EXPECT_EQ(m_control->pixmap().size(), QSize(60, 30));
}

TEST_F(AnimatedPictureTest, HiddenControlReadsNothingAndRunsNothing)
{
    m_control->hide();
    m_control->setCheminImage(gifPath());
    m_control->setAnimation(true);
    EXPECT_EQ(movie(), nullptr);

    m_control->show();
    EXPECT_TRUE(running());
    m_screen.hide();
    EXPECT_FALSE(running());
    m_screen.show();
    EXPECT_TRUE(running());
}

TEST_F(AnimatedPictureTest, AnyPathIsAcceptedAndShowsNothingWhenNoPicture)
{
    QFile text(m_dir.filePath("texte.gif"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("GIF? no, only words");
    text.close();
    QFile large(m_dir.filePath("grande.gif"));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly));
    large.write(manyLargeFrames());
    large.close();
    m_control->setCheminImage(gifPath());
    const QString paths[] = {QString(), m_dir.filePath("absent.gif"), text.fileName(), m_dir.path(),
                             large.fileName()};
    for (const QString &path : paths) {
        m_control->setCheminImage(path);
        m_control->setAnimation(true);
        EXPECT_TRUE(showsNothing()) << qPrintable(path);
        EXPECT_FALSE(running()) << qPrintable(path);
        m_control->setAnimation(false);
        m_control->setReglageEntier(0);
        EXPECT_EQ(m_control->CheminImage(), path);
        EXPECT_TRUE(showsNothing()) << qPrintable(path);
    }
}

} // namespace
