#include "admin/dessins.h"

#include "platform/fleche.h"

#include <QLinearGradient>
#include <QPainter>

namespace admin {

QPixmap fondOutil()
{
    QPixmap fond(800, 600);
    QPainter p(&fond);
    QLinearGradient degrade(0, 0, 800, 600);
    degrade.setColorAt(0, QColor(0x2b, 0x4f, 0x8c));
    degrade.setColorAt(1, QColor(0x7a, 0x3b, 0x8f));
    p.fillRect(fond.rect(), degrade);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    for (int portee = 0; portee < 5; ++portee) {
        const int haut = 40 + portee * 120;
        for (int ligne = 0; ligne < 5; ++ligne)
            p.drawLine(0, haut + ligne * 8, 800, haut + ligne * 8);
    }
    p.setBrush(QColor(255, 255, 255, 40));
    for (int note = 0; note < 12; ++note) {
        const QPointF centre(40 + note * 67, 56 + (note % 5) * 120 - (note % 3) * 8);
        p.drawEllipse(centre, 6, 4.5);
        p.drawLine(centre + QPointF(6, 0), centre + QPointF(6, -26));
    }
    return fond;
}

QPixmap flecheRetour()
{
    QPixmap fleche(32, 32);
    fleche.fill(Qt::transparent);
    QPainter p(&fleche);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0xf0, 0xc0, 0x30));
    p.setPen(QPen(QColor(0x40, 0x20, 0x00), 1.5));
    p.drawPath(platform::flecheRetour(QRectF(2, 4, 27, 24)));
    return fleche;
}

} // namespace admin
