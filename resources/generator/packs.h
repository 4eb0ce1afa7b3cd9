// What the subject packs' pictures share: the question picture's size and a picture named as
// the banks name it.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace gen {

inline constexpr int pictureWidth = 146;
inline constexpr int pictureHeight = 200;

struct Picture {
    QString name;
    QImage image;
};

// The musicians' portrait cards of the pack `visages`.
std::vector<Picture> portraitCards();

} // namespace gen
