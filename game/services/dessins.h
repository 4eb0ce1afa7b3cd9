// Small pictures drawn by code that several of the game's screens share.
#pragma once

#include <QPainterPath>
#include <QPixmap>
#include <QRectF>

namespace dessins {

// A picture of that size, fully transparent, to draw on.
QPixmap pictureTransparente(QSize size);

// The "go back" arrow, pointing left, filling `zone`.
QPainterPath flecheRetour(const QRectF &zone);

// The winners' gold cup.
QPixmap coupe(QSize size);

} // namespace dessins
