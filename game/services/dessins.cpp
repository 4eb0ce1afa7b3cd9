#include "game/services/dessins.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace dessins {

QPixmap pictureTransparente(QSize size)
{
    QPixmap p(size);
    p.fill(Qt::transparent);
    return p;
}

QPixmap coupe(QSize size)
{
    QPixmap p = pictureTransparente(size);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();
    QRadialGradient eclat(w * 0.4, h * 0.25, w * 0.6);
    eclat.setColorAt(0, QColor(255, 240, 170));
    eclat.setColorAt(1, QColor(214, 150, 30));
    g.setBrush(eclat);
    g.setPen(QPen(QColor(140, 90, 10), 1.5));
    QPainterPath bol;
    bol.moveTo(w * 0.18, h * 0.08);
    bol.lineTo(w * 0.82, h * 0.08);
    bol.cubicTo(w * 0.82, h * 0.48, w * 0.62, h * 0.58, w * 0.56, h * 0.60);
    bol.lineTo(w * 0.56, h * 0.76);
    bol.lineTo(w * 0.72, h * 0.76);
    bol.lineTo(w * 0.72, h * 0.90);
    bol.lineTo(w * 0.28, h * 0.90);
    bol.lineTo(w * 0.28, h * 0.76);
    bol.lineTo(w * 0.44, h * 0.76);
    bol.lineTo(w * 0.44, h * 0.60);
    bol.cubicTo(w * 0.38, h * 0.58, w * 0.18, h * 0.48, w * 0.18, h * 0.08);
    g.drawPath(bol);
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(QColor(214, 150, 30), 3));
    g.drawArc(QRectF(w * 0.02, h * 0.12, w * 0.3, h * 0.26), 90 * 16, 180 * 16);
    g.drawArc(QRectF(w * 0.68, h * 0.12, w * 0.3, h * 0.26), 270 * 16, 180 * 16);
    return p;
}

} // namespace dessins
