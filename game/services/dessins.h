// Small pictures drawn by code that several of the game's screens share.
#pragma once

#include <QPixmap>
#include <QRectF>

namespace dessins {

// A picture of that size, fully transparent, to draw on.
QPixmap pictureTransparente(QSize size);

// The winners' gold cup.
QPixmap coupe(QSize size);

} // namespace dessins
