// An animated picture (a GIF) that stands still on its first frame until its animation is
// switched on. Any path is accepted, "" and unreadable files included: they show nothing, as
// does an animation whose frames together would take more memory than Qt allows a picture.
// The picture is scaled to the control's size, keeping its proportions.
#pragma once

#include "platform/controls.h"

#include <QString>

#include <memory>

class QBuffer;
class QMovie;

namespace platform {

class AnimatedPicture : public Control<QLabel> {
    Q_OBJECT
public:
    AnimatedPicture(QWidget *parent, const QString &name);
    ~AnimatedPicture() override;

    QString CheminImage() const { return m_chemin; }
    void setCheminImage(const QString &path);
    bool Animation() const { return m_animation; }
    void setAnimation(bool on);
    // Kept for the callers; it changes nothing in how the picture is shown.
    void setReglageEntier(int value) { m_reglageEntier = value; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void ensureMovie();
    void dropMovie();
    void showStill();
    void run();
    void showFrame();

    QString m_chemin;
    bool m_animation = false;
    int m_reglageEntier = 0;
    // The file's bytes, read through the bounded reader, for the movie to decode: declared
    // before the movie, which reads them, so that they go after it.
    std::unique_ptr<QBuffer> m_octets;
    // Made when first needed; also a child of the control, so that it can be found there.
    std::unique_ptr<QMovie> m_movie;
};

} // namespace platform
