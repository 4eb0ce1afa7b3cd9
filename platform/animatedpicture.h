// An animated picture (a GIF) that stands still until its animation is switched on.
// Any path is accepted, "" and unreadable files included: they show nothing.
#pragma once

#include "platform/controls.h"

#include <QString>

namespace platform {

class AnimatedPicture : public Control<QLabel> {
    Q_OBJECT
public:
    AnimatedPicture(QWidget *parent, const QString &name);

    QString CheminImage() const { return m_chemin; }
    void setCheminImage(const QString &path);
    bool Animation() const { return m_animation; }
    void setAnimation(bool on);
    void setReglageEntier(int value) { m_reglageEntier = value; }

private:
    QString m_chemin;
    bool m_animation = false;
    int m_reglageEntier = 0;
};

} // namespace platform
