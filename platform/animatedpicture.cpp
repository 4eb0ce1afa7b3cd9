#include "platform/animatedpicture.h"

namespace platform {

AnimatedPicture::AnimatedPicture(QWidget *parent, const QString &name)
    : Control<QLabel>(parent, name)
{
}

void AnimatedPicture::setCheminImage(const QString &path)
{
    m_chemin = path;
}

void AnimatedPicture::setAnimation(bool on)
{
    m_animation = on;
}

} // namespace platform
