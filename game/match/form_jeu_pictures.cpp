#include "game/match/form_jeu_pictures.h"

#include "game/services/dessins.h"
#include "platform/fleche.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace jeu_pictures {
namespace {

const QColor kOr(255, 206, 84);
const QColor kTrait(255, 255, 255, 170);

} // namespace

QPixmap fond(QSize size)
{
    QPixmap p(size);
    QPainter g(&p);
    QLinearGradient degrade(0, 0, 0, size.height());
    degrade.setColorAt(0, QColor(28, 38, 78));
    degrade.setColorAt(1, QColor(62, 30, 72));
    g.fillRect(p.rect(), degrade);
    // A faint stave across the lower part, behind the players.
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(255, 255, 255, 28), 2));
    for (int line = 0; line < 5; ++line) {
        const int y = size.height() * 86 / 100 + line * 10;
        g.drawLine(0, y, size.width(), y);
    }
    return p;
}

QPixmap faceBouton(QSize size, QColor colour)
{
    QPixmap p = dessins::pictureTransparente(size);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient degrade(0, 0, 0, size.height());
    degrade.setColorAt(0, colour.lighter(135));
    degrade.setColorAt(1, colour.darker(125));
    g.setBrush(degrade);
    g.setPen(QPen(colour.darker(160), 1.5));
    g.drawRoundedRect(QRectF(p.rect()).adjusted(1, 1, -1, -1), 10, 10);
    return p;
}

QPixmap panneauTableau(QSize size)
{
    QPixmap p = dessins::pictureTransparente(size);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient degrade(0, 0, 0, size.height());
    degrade.setColorAt(0, QColor(20, 52, 96));
    degrade.setColorAt(1, QColor(14, 30, 60));
    g.setBrush(degrade);
    g.setPen(QPen(kOr, 2));
    g.drawRoundedRect(QRectF(p.rect()).adjusted(1, 1, -1, -1), 12, 12);
    return p;
}

QPixmap retour(QSize size)
{
    QPixmap p = faceBouton(size, QColor(90, 100, 120));
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();
    g.fillPath(platform::flecheRetour(QRectF(w * 0.22, h * 0.24, w * 0.56, h * 0.52)), Qt::white);
    return p;
}

QPixmap meilleursScores(QSize size)
{
    QPixmap p = faceBouton(size, QColor(170, 120, 20));
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();
    // A podium: three steps.
    g.setBrush(Qt::white);
    g.setPen(Qt::NoPen);
    g.drawRect(QRectF(w * 0.18, h * 0.52, w * 0.2, h * 0.28));
    g.drawRect(QRectF(w * 0.40, h * 0.30, w * 0.2, h * 0.50));
    g.drawRect(QRectF(w * 0.62, h * 0.62, w * 0.2, h * 0.18));
    return p;
}

QPixmap manette(QSize size)
{
    QPixmap p = faceBouton(size, QColor(60, 120, 90));
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();
    g.setBrush(Qt::white);
    g.setPen(Qt::NoPen);
    g.drawRoundedRect(QRectF(w * 0.14, h * 0.34, w * 0.72, h * 0.36), h * 0.16, h * 0.16);
    g.setBrush(QColor(60, 120, 90));
    g.drawRect(QRectF(w * 0.25, h * 0.48, w * 0.16, h * 0.07));
    g.drawRect(QRectF(w * 0.295, h * 0.43, w * 0.07, h * 0.17));
    g.drawEllipse(QPointF(w * 0.64, h * 0.46), w * 0.045, w * 0.045);
    g.drawEllipse(QPointF(w * 0.73, h * 0.56), w * 0.045, w * 0.045);
    return p;
}

QPixmap fermer(QSize size)
{
    QPixmap p = faceBouton(size, QColor(160, 50, 50));
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(Qt::white, std::max(2.0, size.width() / 8.0), Qt::SolidLine, Qt::RoundCap));
    const double w = size.width(), h = size.height();
    g.drawLine(QPointF(w * 0.3, h * 0.3), QPointF(w * 0.7, h * 0.7));
    g.drawLine(QPointF(w * 0.7, h * 0.3), QPointF(w * 0.3, h * 0.7));
    return p;
}

QPixmap tempello(QSize size, double degrees)
{
    QPixmap p = dessins::pictureTransparente(size);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();
    // The metronome's body.
    QPainterPath corps;
    corps.moveTo(w * 0.38, h * 0.04);
    corps.lineTo(w * 0.62, h * 0.04);
    corps.lineTo(w * 0.95, h * 0.96);
    corps.lineTo(w * 0.05, h * 0.96);
    corps.closeSubpath();
    g.fillPath(corps, QColor(150, 90, 40));
    g.setPen(QPen(QColor(90, 50, 20), 1.5));
    g.drawPath(corps);
    // The rod, swinging from its foot.
    g.translate(w * 0.5, h * 0.86);
    g.rotate(degrees);
    g.setPen(QPen(kOr, 2.5, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(QPointF(0, 0), QPointF(0, -h * 0.74));
    g.setBrush(kOr);
    g.setPen(Qt::NoPen);
    g.drawRect(QRectF(-w * 0.12, -h * 0.52, w * 0.24, h * 0.09));
    return p;
}

QPixmap connecteurs(QSize size, const std::vector<Branche> &branches)
{
    QPixmap p = dessins::pictureTransparente(size);
    QPainter g(&p);
    g.setPen(QPen(kTrait, 2, Qt::SolidLine, Qt::SquareCap));
    const int milieu = size.width() / 2;
    for (const Branche &b : branches) {
        int haut = b.match, bas = b.match;
        for (int y : b.feeders) {
            g.drawLine(0, y, milieu, y);
            haut = std::min(haut, y);
            bas = std::max(bas, y);
        }
        g.drawLine(milieu, haut, milieu, bas);
        g.drawLine(milieu, b.match, size.width(), b.match);
    }
    return p;
}

} // namespace jeu_pictures
