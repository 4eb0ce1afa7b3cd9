#include "platform/animatedpicture.h"

#include "platform/picturefile.h"

#include <QBuffer>
#include <QImageReader>
#include <QMovie>

namespace platform {

namespace {

// A small file can hold many large frames, all of which the movie keeps.
bool framesWithinLimit(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return withinAllocationLimit(reader.size(), QImage::Format_ARGB32, reader.imageCount());
}

} // namespace

AnimatedPicture::AnimatedPicture(QWidget *parent, const QString &name)
    : Control<QLabel>(parent, name)
{
    setAlignment(Qt::AlignCenter);
}

AnimatedPicture::~AnimatedPicture() = default;

void AnimatedPicture::setCheminImage(const QString &path)
{
    m_chemin = path;
    dropMovie();
    clear();
    // Up to 45 of these sit on the game screen, most of them hidden: a hidden one reads its
    // file only when it is first shown.
    if (isVisible()) {
        ensureMovie();
        if (m_animation)
            run();
        else
            showStill();
    }
}

void AnimatedPicture::setAnimation(bool on)
{
    m_animation = on;
    if (!on) {
        showStill();
    } else if (isVisible()) {
        ensureMovie();
        run();
    }
}

void AnimatedPicture::showEvent(QShowEvent *event)
{
    Control<QLabel>::showEvent(event);
    if (!m_movie) {
        ensureMovie();
        showStill();
    }
    if (m_animation)
        run();
}

void AnimatedPicture::hideEvent(QHideEvent *event)
{
    Control<QLabel>::hideEvent(event);
    // Nothing runs while nobody can see it; showing it again resumes.
    if (m_movie && m_movie->state() == QMovie::Running)
        m_movie->setPaused(true);
}

void AnimatedPicture::resizeEvent(QResizeEvent *event)
{
    Control<QLabel>::resizeEvent(event);
    if (m_movie)
        showFrame();
}

void AnimatedPicture::ensureMovie()
{
    if (m_movie || m_chemin.isEmpty())
        return;
    // A file that cannot be read, or whose frames would take too much memory, gives a movie of
    // nothing, which shows nothing.
    QByteArray bytes = readPictureFile(m_chemin).value_or(QByteArray());
    if (!framesWithinLimit(bytes))
        bytes.clear();
    m_octets = std::make_unique<QBuffer>();
    m_octets->setData(bytes);
    m_octets->open(QIODevice::ReadOnly);
    m_movie = std::make_unique<QMovie>(m_octets.get(), QByteArray(), this);
    m_movie->setCacheMode(QMovie::CacheAll);
    connect(m_movie.get(), &QMovie::frameChanged, this, &AnimatedPicture::showFrame);
    // An avatar plays for as long as its animation is on, whatever loop count its file asks.
    connect(m_movie.get(), &QMovie::finished, this, [this] {
        if (m_animation && isVisible())
            m_movie->start();
    });
}

void AnimatedPicture::dropMovie()
{
    m_movie.reset();
    m_octets.reset();
}

void AnimatedPicture::showStill()
{
    if (!m_movie || !m_movie->isValid())
        return;
    m_movie->stop();
    m_movie->jumpToFrame(0);
    showFrame();
}

void AnimatedPicture::run()
{
    if (!m_movie || !m_movie->isValid())
        return;
    if (m_movie->state() == QMovie::Paused)
        m_movie->setPaused(false);
    else if (m_movie->state() == QMovie::NotRunning)
        m_movie->start();
}

void AnimatedPicture::showFrame()
{
    const QPixmap frame = m_movie ? m_movie->currentPixmap() : QPixmap();
    if (frame.isNull()) {
        clear();
        return;
    }
    setPixmap(frame.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace platform
