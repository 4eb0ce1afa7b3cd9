#include "platform/fleche.h"

namespace platform {

QPainterPath flecheRetour(const QRectF &zone)
{
    const auto at = [&zone](double x, double y) {
        return QPointF(zone.left() + x * zone.width(), zone.top() + y * zone.height());
    };
    QPainterPath fleche;
    fleche.moveTo(at(0.0, 0.5));
    fleche.lineTo(at(0.5, 0.0));
    fleche.lineTo(at(0.5, 0.3));
    fleche.lineTo(at(1.0, 0.3));
    fleche.lineTo(at(1.0, 0.7));
    fleche.lineTo(at(0.5, 0.7));
    fleche.lineTo(at(0.5, 1.0));
    fleche.closeSubpath();
    return fleche;
}

} // namespace platform
