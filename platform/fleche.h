// The "go back" arrow that the game's screens and the administration tool both draw.
#pragma once

#include <QPainterPath>
#include <QRectF>

namespace platform {

// Pointing left, filling `zone`.
QPainterPath flecheRetour(const QRectF &zone);

} // namespace platform
