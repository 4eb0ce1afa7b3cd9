// The musicians' portrait cards: for each question of the pack, a friendly bust in the costume
// of the musician's time, with what the question speaks of around it: the instrument in front,
// a place or a work in the background. The answer is never written on the card.
#include "draw.h"
#include "packs.h"
#include "portrait.h"

#include <QPainterPath>

#include <cmath>
#include <functional>
#include <numbers>

namespace gen {

namespace {

constexpr double pi = std::numbers::pi;
constexpr double width = pictureWidth;
constexpr double height = pictureHeight;

namespace hair {
const QColor black{0x22, 0x1A, 0x18};
const QColor dark{0x4A, 0x2C, 0x1A};
const QColor brown{0x8A, 0x52, 0x2A};
const QColor auburn{0xC0, 0x4A, 0x1C};
const QColor grey{0xA8, 0xA2, 0x9C};
const QColor white{0xF2, 0xF0, 0xEA};
} // namespace hair

const QColor night{0x1E, 0x24, 0x4A};
const QColor white{0xFC, 0xFA, 0xF4};

QPen inkPen(double w)
{
    return QPen(colour::ink, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void star(QPainter &p, QPointF at, double r, const QColor &c)
{
    QPainterPath s;
    for (int i = 0; i < 10; ++i) {
        const double a = -pi / 2 + i * pi / 5, rr = i % 2 ? r * 0.45 : r;
        const QPointF pt = at + QPointF(rr * std::cos(a), rr * std::sin(a));
        i == 0 ? s.moveTo(pt) : s.lineTo(pt);
    }
    s.closeSubpath();
    filled(p, s, c, 0);
}

void stars(QPainter &p, std::initializer_list<QPointF> at, double r = 4)
{
    for (const QPointF &pt : at)
        star(p, pt, r, colour::gold);
}

void crescentMoon(QPainter &p, QPointF at, double r)
{
    filled(p, oval(at, r, r).subtracted(oval(at + QPointF(r * 0.5, -r * 0.25), r, r)),
           QColor(0xFF, 0xF0, 0xB0), 0);
}

// A few notes floating in the corners, clear of the head.
void notes(QPainter &p, const QColor &c)
{
    note(p, QPointF(18, 48), 6, NoteKind::Croche, c, -12);
    note(p, QPointF(124, 38), 5, NoteKind::Noire, c, 10);
    note(p, QPointF(130, 96), 5.5, NoteKind::DoubleCroche, c, 8);
}

void water(QPainter &p, double top, const QColor &c)
{
    p.fillRect(QRectF(0, top, width, height - top), c);
    p.setPen(QPen(c.lighter(135), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (double y = top + 6; y < height; y += 9)
        for (double x = 4 + std::fmod(y, 14); x < width; x += 24)
            p.drawLine(QPointF(x, y), QPointF(x + 9, y));
}

// --- Backgrounds: a place or a work the question speaks of.

void venice(QPainter &p)
{
    water(p, 112, QColor(0x3A, 0x8A, 0xA8));
    QPainterPath gondola(QPointF(0, 108));
    gondola.cubicTo(QPointF(6, 118), QPointF(22, 118), QPointF(32, 100));
    gondola.lineTo(30, 112);
    gondola.cubicTo(QPointF(22, 122), QPointF(6, 122), QPointF(0, 116));
    gondola.closeSubpath();
    filled(p, gondola, colour::ink, 1);
    p.setPen(inkPen(1.5));
    p.drawLine(QPointF(14, 114), QPointF(22, 84));
    for (int i = 0; i < 6; ++i)
        p.fillRect(QRectF(130, 58 + 12 * i, 5, 12), i % 2 ? white : colour::red);
}

void fleurDeLis(QPainter &p, QPointF at, double s, const QColor &c)
{
    QPainterPath petal(at + QPointF(0, -s));
    petal.cubicTo(at + QPointF(0.4 * s, -0.6 * s), at + QPointF(0.3 * s, -0.1 * s),
                  at + QPointF(0, 0.15 * s));
    petal.cubicTo(at + QPointF(-0.3 * s, -0.1 * s), at + QPointF(-0.4 * s, -0.6 * s),
                  at + QPointF(0, -s));
    QPainterPath side(at + QPointF(-0.1 * s, 0.05 * s));
    side.cubicTo(at + QPointF(-0.4 * s, -0.6 * s), at + QPointF(-0.95 * s, -0.3 * s),
                 at + QPointF(-0.65 * s, 0.3 * s));
    side.cubicTo(at + QPointF(-0.6 * s, 0.05 * s), at + QPointF(-0.4 * s, 0.0),
                 at + QPointF(-0.1 * s, 0.25 * s));
    side.closeSubpath();
    const QPainterPath other = QTransform(-1, 0, 0, 1, 2 * at.x(), 0).map(side);
    QPainterPath band;
    band.addRect(QRectF(at.x() - 0.45 * s, at.y() + 0.12 * s, 0.9 * s, 0.18 * s));
    const QPainterPath foot = polygon({at + QPointF(-0.12 * s, 0.3 * s),
                                       at + QPointF(0.12 * s, 0.3 * s), at + QPointF(0, 0.7 * s)});
    filled(p, petal.united(side).united(other).united(band).united(foot), c, 0);
}

void royal(QPainter &p, const QColor &c)
{
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 4; ++col)
            fleurDeLis(p, QPointF(16 + 38 * col + (row % 2) * 19, 22 + 36 * row), 9, c);
}

void palmTree(QPainter &p)
{
    disc(p, QPointF(122, 34), 16, colour::gold, 0);
    p.setPen(QPen(colour::wood, 6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath trunk(QPointF(14, 170));
    trunk.cubicTo(QPointF(22, 120), QPointF(12, 80), QPointF(24, 46));
    p.drawPath(trunk);
    const QPointF top(24, 46);
    for (double a : {-160.0, -120.0, -60.0, -20.0, 20.0, 160.0}) {
        const double r = a * pi / 180;
        QPainterPath leaf(top);
        const QPointF tip = top + QPointF(30 * std::cos(r), 18 * std::sin(r) + 10);
        leaf.quadTo(top + QPointF(18 * std::cos(r), 18 * std::sin(r) - 8), tip);
        leaf.quadTo(top + QPointF(14 * std::cos(r), 14 * std::sin(r) + 2), top);
        filled(p, leaf, colour::leaf, 1.2);
    }
}

void crown(QPainter &p, QPointF at)
{
    const QPainterPath c = polygon({at + QPointF(-16, 10), at + QPointF(-18, -8),
                                    at + QPointF(-8, 2), at + QPointF(0, -12), at + QPointF(8, 2),
                                    at + QPointF(18, -8), at + QPointF(16, 10)});
    filled(p, c, colour::gold, 1.5);
    for (double x : {-9.0, 0.0, 9.0})
        disc(p, at + QPointF(x, 5), 2.2, colour::red, 0.8);
}

void riverBarge(QPainter &p)
{
    water(p, 118, QColor(0x5A, 0x8C, 0xB0));
    filled(p, polygon({{-4, 108}, {32, 108}, {26, 120}, {-4, 120}}), colour::wood, 1.5);
    filled(p, polygon({{-2, 108}, {2, 92}, {20, 92}, {24, 108}}), colour::red, 1.5);
    p.setPen(inkPen(1.5));
    p.drawLine(QPointF(11, 92), QPointF(11, 76));
    filled(p, polygon({{11, 76}, {24, 80}, {11, 84}}), colour::gold, 1);
}

void organPipes(QPainter &p)
{
    p.fillRect(QRectF(0, 0, width, height), QColor(0x6A, 0x3E, 0x22));
    for (int i = 0; i < 11; ++i) {
        const double x = 3 + i * 13;
        const double top = 14 + 40 * std::abs(i - 5) / 5.0;
        QLinearGradient metal(QPointF(x, 0), QPointF(x + 11, 0));
        metal.setColorAt(0, QColor(0xE8, 0xEA, 0xF0));
        metal.setColorAt(1, QColor(0x90, 0x96, 0xA4));
        QPainterPath pipe;
        pipe.addRoundedRect(QRectF(x, top, 11, 150 - top), 4, 4);
        p.setPen(inkPen(1.2));
        p.setBrush(metal);
        p.drawPath(pipe);
        filled(p, polygon({{x + 2, 140}, {x + 9, 140}, {x + 5.5, 134}}), colour::ink, 0);
    }
}

// A keyboard across the bottom of the card, in its case; a harpsichord's naturals are dark and
// its sharps light.
void keyboard(QPainter &p, const QColor &caseColour, bool harpsichord)
{
    QPainterPath body;
    body.addRoundedRect(QRectF(-4, 164, width + 8, 44), 4, 4);
    filled(p, body, caseColour);
    if (harpsichord) {
        p.setPen(QPen(colour::gold, 2));
        p.drawLine(QPointF(0, 170), QPointF(width, 170));
    }
    const QRectF keys(6, 176, width - 12, 24);
    const int naturals = 14;
    const double w = keys.width() / naturals;
    const QColor natural = harpsichord ? QColor(0x2A, 0x20, 0x1C) : white;
    const QColor sharp = harpsichord ? white : QColor(0x22, 0x1C, 0x1C);
    p.setPen(inkPen(1));
    p.setBrush(natural);
    for (int i = 0; i < naturals; ++i)
        p.drawRect(QRectF(keys.left() + i * w, keys.top(), w, keys.height()));
    p.setBrush(sharp);
    for (int i = 0; i < naturals - 1; ++i)
        if (i % 7 != 2 && i % 7 != 6)
            p.drawRect(QRectF(keys.left() + (i + 0.68) * w, keys.top(), 0.64 * w, 14));
}

void harpsichord(QPainter &p, const Look &)
{
    keyboard(p, QColor(0x2E, 0x6A, 0x5A), true);
}

void piano(QPainter &p, const Look &)
{
    keyboard(p, QColor(0x1E, 0x1A, 0x1C), false);
}

void organ(QPainter &p, const Look &)
{
    keyboard(p, QColor(0x8A, 0x52, 0x2A), false);
}

void palace(QPainter &p)
{
    p.fillRect(QRectF(0, 150, width, 50), colour::leaf);
    const QColor wall(0xF4, 0xD8, 0x8A);
    for (double x0 : {0.0, 106.0}) {
        filled(p, polygon({{x0, 150}, {x0, 76}, {x0 + 40, 76}, {x0 + 40, 150}}), wall, 1.5);
        filled(p, polygon({{x0 - 2, 78}, {x0 + 20, 62}, {x0 + 42, 78}}), colour::coral, 1.5);
        for (double y : {88.0, 112.0})
            for (double x : {x0 + 6, x0 + 26})
                filled(p, polygon({{x, y}, {x + 8, y}, {x + 8, y + 14}, {x, y + 14}}),
                       QColor(0x8C, 0xC4, 0xE8), 1);
    }
}

void blackboard(QPainter &p)
{
    QPainterPath board;
    board.addRoundedRect(QRectF(4, 14, 46, 56), 3, 3);
    filled(p, board, QColor(0x2A, 0x4A, 0x3A), 3);
    p.setPen(QPen(white, 1));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(10, 30 + 5 * i), QPointF(44, 30 + 5 * i));
    for (int i = 0; i < 3; ++i)
        note(p, QPointF(16 + 11 * i, 47 - 2.5 * i), 2.6, NoteKind::Noire, white);
}

void candle(QPainter &p)
{
    QRadialGradient glow(QPointF(22, 60), 40);
    glow.setColorAt(0, QColor(255, 220, 120, 170));
    glow.setColorAt(1, QColor(255, 220, 120, 0));
    p.fillRect(QRectF(0, 20, 70, 80), glow);
    filled(p, polygon({{16, 66}, {28, 66}, {28, 120}, {16, 120}}), colour::cream, 1.5);
    filled(p, polygon({{8, 120}, {36, 120}, {30, 128}, {14, 128}}), colour::gold, 1.5);
    QPainterPath flame(QPointF(22, 46));
    flame.cubicTo(QPointF(30, 56), QPointF(28, 64), QPointF(22, 64));
    flame.cubicTo(QPointF(16, 64), QPointF(14, 56), QPointF(22, 46));
    filled(p, flame, colour::orange, 1);
}

void rose(QPainter &p, QPointF at, double angle)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.setPen(QPen(colour::leaf.darker(120), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 4), QPointF(0, 20));
    filled(p, oval(QPointF(4, 13), 4, 2), colour::leaf, 0.8);
    disc(p, QPointF(0, 0), 6, colour::red, 1.2);
    p.setPen(QPen(colour::red.darker(140), 1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-3, -3, 6, 6), 0, 270 * 16);
    p.restore();
}

void roses(QPainter &p)
{
    rose(p, QPointF(18, 26), -30);
    rose(p, QPointF(126, 22), 25);
    rose(p, QPointF(14, 92), 15);
    rose(p, QPointF(132, 86), -20);
}

void bell(QPainter &p, QPointF at, double angle)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    QPainterPath b(QPointF(-9, 8));
    b.cubicTo(QPointF(-9, -4), QPointF(-6, -10), QPointF(0, -10));
    b.cubicTo(QPointF(6, -10), QPointF(9, -4), QPointF(9, 8));
    b.lineTo(12, 11);
    b.lineTo(-12, 11);
    b.closeSubpath();
    filled(p, b, colour::gold, 1.5);
    disc(p, QPointF(0, 13), 2.6, colour::gold, 1);
    p.restore();
}

void weddingNight(QPainter &p)
{
    crescentMoon(p, QPointF(22, 30), 14);
    stars(p, {{44, 14}, {10, 70}, {134, 70}, {30, 100}});
    bell(p, QPointF(112, 24), -15);
    bell(p, QPointF(132, 30), 15);
    p.setPen(QPen(colour::red, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(108, 4, 28, 14), 0, 180 * 16);
}

void lullaby(QPainter &p)
{
    crescentMoon(p, QPointF(26, 34), 16);
    stars(p, {{52, 16}, {118, 20}, {136, 56}, {12, 80}});
    textOutlined(p, QRectF(100, 60, 44, 30), QStringLiteral("z z"), font(15), white, night, 0);
}

void curtains(QPainter &p, const QColor &c)
{
    for (double side : {0.0, 1.0}) {
        QPainterPath drape;
        const double x0 = side * width, dir = side ? -1 : 1;
        drape.moveTo(x0, 0);
        drape.lineTo(x0 + dir * 40, 0);
        drape.cubicTo(QPointF(x0 + dir * 36, 60), QPointF(x0 + dir * 14, 100),
                      QPointF(x0 + dir * 20, 200));
        drape.lineTo(x0, 200);
        drape.closeSubpath();
        filled(p, drape, c, 1.5);
        p.setPen(QPen(c.darker(130), 1.5));
        for (double f : {12.0, 24.0})
            p.drawLine(QPointF(x0 + dir * f, 4), QPointF(x0 + dir * (f - 4), 196));
    }
    p.fillRect(QRectF(0, 0, width, 12), c.darker(115));
    p.fillRect(QRectF(0, 12, width, 3), colour::gold);
}

void theatreOnHill(QPainter &p)
{
    filled(p, oval(QPointF(110, 170), 70, 40), colour::leaf, 0);
    const QColor stone(0xF0, 0xDE, 0xC0);
    filled(p, polygon({{84, 136}, {84, 100}, {140, 100}, {140, 136}}), stone, 1.5);
    filled(p, polygon({{80, 102}, {112, 84}, {144, 102}}), colour::coral, 1.5);
    p.setPen(inkPen(1.2));
    for (double x = 90; x <= 134; x += 11)
        p.drawLine(QPointF(x, 106), QPointF(x, 134));
}

void cannon(QPainter &p)
{
    for (const QPointF &at : {QPointF(12, 48), QPointF(26, 40), QPointF(16, 30), QPointF(34, 26)})
        disc(p, at, 9, white, 0);
    QPainterPath barrel;
    barrel.addRoundedRect(QRectF(-18, -6, 32, 12), 5, 5);
    filled(p, QTransform().translate(20, 92).rotate(-50).map(barrel), QColor(0x3A, 0x3A, 0x44));
    disc(p, QPointF(20, 104), 9, colour::wood, 1.5);
    bell(p, QPointF(124, 28), 10);
    bell(p, QPointF(132, 64), -10);
}

void bones(QPainter &p)
{
    crescentMoon(p, QPointF(120, 30), 15);
    for (const auto &[at, angle] : {std::pair{QPointF(24, 30), 30.0}, {QPointF(18, 84), -25.0}}) {
        p.save();
        p.translate(at);
        p.rotate(angle);
        filled(p, polygon({{-12, -2}, {12, -2}, {12, 2}, {-12, 2}}), white, 0);
        for (double x : {-13.0, 13.0})
            for (double y : {-2.5, 2.5})
                disc(p, QPointF(x, y), 3, white, 0);
        p.restore();
    }
    stars(p, {{50, 12}, {136, 74}}, 3);
}

void broomAndBucket(QPainter &p)
{
    p.setPen(QPen(colour::wood, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 14), QPointF(18, 104));
    filled(p, polygon({{10, 100}, {26, 100}, {32, 134}, {4, 134}}), colour::gold, 1.5);
    filled(p, polygon({{106, 90}, {134, 90}, {130, 124}, {110, 124}}), QColor(0x9A, 0xA4, 0xB0),
           1.5);
    for (double x : {110.0, 120.0, 130.0})
        disc(p, QPointF(x, 80 - std::fmod(x, 20) / 2), 3, colour::sky, 0.8);
    stars(p, {{60, 14}, {120, 30}, {44, 50}}, 4);
}

void foliage(QPainter &p)
{
    for (const QPointF &at : {QPointF(10, 20), QPointF(30, 8), QPointF(130, 14), QPointF(140, 40),
                              QPointF(6, 60), QPointF(116, 4)})
        disc(p, at, 18, colour::leaf.darker(110 + int(at.x()) % 20), 0);
    stars(p, {{40, 40}, {110, 50}}, 3);
}

// The teapot and the cup of the opera, with the same cheerful face as the musician.
void teapotAndCup(QPainter &p)
{
    filled(p, oval(QPointF(24, 42), 17, 14), QColor(0xF2, 0xF2, 0xF6));
    filled(p, polygon({{38, 40}, {50, 28}, {52, 31}, {42, 46}}), QColor(0xF2, 0xF2, 0xF6), 1.5);
    filled(p, oval(QPointF(24, 27), 7, 3), colour::sky);
    face(p, QPointF(24, 43), 20, false, 0.9);
    QPainterPath cup(QPointF(108, 30));
    cup.lineTo(136, 30);
    cup.cubicTo(QPointF(136, 50), QPointF(108, 50), QPointF(108, 30));
    filled(p, cup, colour::sky.lighter(130));
    p.setPen(inkPen(2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(132, 32, 10, 10), -90 * 16, 180 * 16);
    face(p, QPointF(122, 37), 16, false, 0.9);
}

void roofs(QPainter &p)
{
    const QColor slate(0x6A, 0x74, 0x88);
    for (double x0 : {0.0, 104.0}) {
        filled(p, polygon({{x0, 140}, {x0 + 8, 112}, {x0 + 36, 112}, {x0 + 44, 140}}), slate, 1.5);
        filled(p, polygon({{x0 + 28, 112}, {x0 + 28, 98}, {x0 + 34, 98}, {x0 + 34, 112}}),
               colour::coral, 1.2);
    }
    crescentMoon(p, QPointF(24, 28), 12);
}

void arches(QPainter &p)
{
    const QColor stone(0xE8, 0xC0, 0x88);
    for (double x0 : {-6.0, 112.0}) {
        QPainterPath wall;
        wall.addRect(QRectF(x0, 30, 40, 130));
        QPainterPath opening(QPointF(x0 + 8, 160));
        opening.lineTo(x0 + 8, 80);
        opening.arcTo(QRectF(x0 + 8, 64, 24, 32), 180, -180);
        opening.lineTo(x0 + 32, 160);
        opening.closeSubpath();
        filled(p, wall.subtracted(opening), stone, 1.5);
    }
    // A laurel wreath for the prize.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        const double a = pi * (0.15 + 0.7 * i / 8);
        for (double side : {-1.0, 1.0})
            filled(
                p,
                oval(QPointF(73 + side * 58 * std::cos(a) * 0.35, 24 - 14 * std::sin(a)), 3.5, 2),
                colour::leaf, 0.6);
    }
}

void firebird(QPainter &p)
{
    stars(p, {{20, 20}, {50, 10}, {14, 70}}, 3);
    QPainterPath tail(QPointF(104, 52));
    tail.cubicTo(QPointF(80, 80), QPointF(116, 110), QPointF(96, 140));
    tail.cubicTo(QPointF(130, 110), QPointF(112, 80), QPointF(118, 58));
    tail.closeSubpath();
    filled(p, tail, colour::orange, 1.2);
    filled(p, oval(QPointF(114, 44), 14, 9), colour::red, 1.5);
    filled(p, polygon({{100, 40}, {126, 16}, {120, 44}}), colour::gold, 1.2);
    filled(p, oval(QPointF(128, 34), 6, 6), colour::red, 1.5);
    filled(p, polygon({{133, 33}, {142, 35}, {133, 37}}), colour::gold, 1);
    disc(p, QPointF(129, 32), 1.4, colour::ink, 0);
}

void brickWall(QPainter &p)
{
    p.fillRect(QRectF(0, 0, width, height), QColor(0xB8, 0x5A, 0x3E));
    p.setPen(QPen(QColor(0xE8, 0xD8, 0xC8), 1.5));
    for (int row = 0; row * 12 < height; ++row) {
        const double y = row * 12;
        p.drawLine(QPointF(0, y), QPointF(width, y));
        for (double x = (row % 2) * 12; x < width; x += 24)
            p.drawLine(QPointF(x, y), QPointF(x, y + 12));
    }
    p.setPen(QPen(colour::sky, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(4, 20, 40, 30), 0, 180 * 16);
    p.setPen(QPen(colour::gold, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(110, 30), QPointF(138, 60));
}

void wallpaper(QPainter &p)
{
    for (double x = 0; x < width; x += 20)
        p.fillRect(QRectF(x, 0, 10, height), QColor(255, 255, 255, 60));
    notes(p, colour::brown);
}

void skyline(QPainter &p)
{
    const double heights[] = {70, 40, 96, 56, 84, 30, 60, 100, 48, 76};
    for (int i = 0; i < 10; ++i) {
        const double x = i * 15, top = 150 - heights[i];
        filled(p, polygon({{x, 160}, {x, top}, {x + 14, top}, {x + 14, 160}}),
               QColor(0x2A, 0x2A, 0x4A), 1);
        for (double y = top + 6; y < 150; y += 10)
            p.fillRect(QRectF(x + 4, y, 3, 4), colour::gold);
    }
    crescentMoon(p, QPointF(120, 26), 10);
}

void spotlight(QPainter &p)
{
    QPainterPath beam(QPointF(60, 0));
    beam.lineTo(86, 0);
    beam.lineTo(140, 200);
    beam.lineTo(6, 200);
    beam.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 180, 60));
    p.drawPath(beam);
    notes(p, colour::gold);
}

void artDeco(QPainter &p)
{
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 5; ++i) {
        p.setPen(QPen(colour::gold, 2));
        const double r = 30 + 22 * i;
        p.drawArc(QRectF(73 - r, 80 - r, 2 * r, 2 * r), 0, 180 * 16);
    }
}

void birds(QPainter &p)
{
    p.setPen(QPen(colour::ink, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const QPointF &at : {QPointF(20, 30), QPointF(44, 18), QPointF(118, 40)}) {
        QPainterPath b(at + QPointF(-8, 0));
        b.quadTo(at + QPointF(-4, -5), at);
        b.quadTo(at + QPointF(4, -5), at + QPointF(8, 0));
        p.drawPath(b);
    }
    notes(p, white);
}

void caravan(QPainter &p)
{
    QPainterPath body;
    body.addRoundedRect(QRectF(-10, 86, 44, 46), 10, 10);
    filled(p, body, colour::red);
    filled(p, polygon({{-10, 92}, {34, 92}, {30, 80}, {-10, 80}}), colour::gold, 1.5);
    filled(p, polygon({{8, 98}, {22, 98}, {22, 112}, {8, 112}}), colour::sky, 1.2);
    disc(p, QPointF(18, 138), 11, colour::gold, 2);
    p.setPen(inkPen(1.2));
    for (int i = 0; i < 6; ++i) {
        const double a = pi * i / 3;
        p.drawLine(QPointF(18, 138), QPointF(18 + 10 * std::cos(a), 138 + 10 * std::sin(a)));
    }
    notes(p, colour::plum);
}

void eiffelTower(QPainter &p)
{
    const QColor iron(0x5A, 0x3E, 0x3A);
    filled(
        p,
        polygon(
            {{4, 160}, {20, 60}, {24, 14}, {28, 60}, {44, 160}, {36, 160}, {24, 110}, {12, 160}}),
        iron, 1);
    p.setPen(QPen(iron, 2));
    p.drawLine(QPointF(14, 100), QPointF(34, 100));
    p.drawLine(QPointF(19, 66), QPointF(29, 66));
    stars(p, {{120, 20}, {136, 50}, {110, 60}}, 3);
}

void lighthouse(QPainter &p)
{
    water(p, 132, QColor(0x2E, 0x7A, 0xB0));
    for (double i = 0; i < 4; ++i)
        filled(p,
               polygon({{116 + i, 130 - 18 * i},
                        {132 - i, 130 - 18 * i},
                        {131 - i, 112 - 18 * i},
                        {117 + i, 112 - 18 * i}}),
               int(i) % 2 ? white : colour::red, 1.2);
    filled(p, polygon({{118, 58}, {130, 58}, {124, 48}}), colour::ink, 1);
    disc(p, QPointF(124, 62), 4, colour::gold, 1);
    QPainterPath sail(QPointF(20, 130));
    sail.lineTo(20, 96);
    sail.lineTo(38, 128);
    sail.closeSubpath();
    filled(p, sail, white, 1.2);
}

void flatCountry(QPainter &p)
{
    p.fillRect(QRectF(0, 140, width, 60), QColor(0x7A, 0xA8, 0x4A));
    filled(p, polygon({{126, 140}, {126, 100}, {132, 84}, {138, 100}, {138, 140}}),
           QColor(0x9A, 0x8A, 0x7A), 1.2);
    filled(p, polygon({{14, 140}, {18, 112}, {28, 112}, {32, 140}}), colour::wood, 1.2);
    p.setPen(QPen(colour::ink, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 98), QPointF(36, 124));
    p.drawLine(QPointF(36, 98), QPointF(10, 124));
    for (double x : {40.0, 70.0, 100.0})
        filled(p, oval(QPointF(x, 30 + std::fmod(x, 30) / 3), 16, 7), white, 0);
}

void rockStars(QPainter &p)
{
    stars(p, {{18, 24}, {128, 20}, {12, 96}, {134, 92}, {44, 10}}, 6);
}

void sunrays(QPainter &p)
{
    sunburst(p, QPointF(73, 80), 180, 20, colour::orange, colour::gold);
}

void stageLights(QPainter &p)
{
    for (const auto &[x, c] : {std::pair{18.0, colour::coral}, {128.0, colour::sky}}) {
        QPainterPath beam(QPointF(x, 0));
        beam.lineTo(x + (x < 73 ? 60 : -60), 200);
        beam.lineTo(x + (x < 73 ? 10 : -10), 200);
        beam.closeSubpath();
        QColor light = c;
        light.setAlpha(90);
        filled(p, beam, light, 0);
        disc(p, QPointF(x, 6), 7, QColor(0x3A, 0x3A, 0x44), 1.2);
    }
    stars(p, {{46, 24}, {100, 14}, {136, 70}, {10, 64}}, 4);
}

void television(QPainter &p)
{
    QPainterPath set;
    set.addRoundedRect(QRectF(4, 14, 50, 40), 6, 6);
    filled(p, set, colour::wood);
    QPainterPath screen;
    screen.addRoundedRect(QRectF(9, 19, 34, 30), 6, 6);
    filled(p, screen, QColor(0xA8, 0xC8, 0xD0), 1.5);
    for (int i = 0; i < 6; ++i)
        disc(p, QPointF(15 + 5 * i, 38 - (i % 2) * 4), 2.2, colour::ink, 0);
    disc(p, QPointF(49, 26), 2, colour::ink, 0);
    disc(p, QPointF(49, 34), 2, colour::ink, 0);
    p.setPen(inkPen(1.5));
    p.drawLine(QPointF(22, 14), QPointF(14, 4));
    p.drawLine(QPointF(30, 14), QPointF(40, 4));
}

void filmReel(QPainter &p, QPointF at, double r)
{
    disc(p, at, r, QColor(0x5A, 0x5E, 0x6A), 1.5);
    for (int i = 0; i < 5; ++i) {
        const double a = 2 * pi * i / 5;
        disc(p, at + QPointF(0.55 * r * std::cos(a), 0.55 * r * std::sin(a)), 0.22 * r,
             QColor(0x20, 0x20, 0x28), 0);
    }
    disc(p, at, 0.12 * r, QColor(0x20, 0x20, 0x28), 0);
}

void space(QPainter &p)
{
    stars(p, {{14, 90}, {44, 14}, {134, 100}, {100, 10}, {130, 60}}, 3);
    filled(p, oval(QPointF(22, 38), 14, 14), colour::coral, 1.2);
    p.setPen(QPen(colour::gold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(22, 38), 22, 6);
    filmReel(p, QPointF(124, 30), 16);
}

void desert(QPainter &p)
{
    disc(p, QPointF(73, 132), 40, colour::gold, 0);
    p.fillRect(QRectF(0, 136, width, 64), QColor(0xD8, 0x9A, 0x58));
    QPainterPath cactus;
    cactus.addRoundedRect(QRectF(14, 70, 12, 70), 6, 6);
    cactus.addRoundedRect(QRectF(2, 86, 8, 26), 4, 4);
    cactus.addRoundedRect(QRectF(30, 80, 8, 24), 4, 4);
    cactus.addRect(QRectF(6, 106, 12, 6));
    cactus.addRect(QRectF(22, 98, 12, 6));
    filled(p, cactus.simplified(), colour::leaf, 1.5);
    filmReel(p, QPointF(124, 30), 16);
}

void operaBoxes(QPainter &p)
{
    for (double y : {20.0, 70.0, 120.0})
        for (double x0 : {0.0, 112.0}) {
            QPainterPath box;
            box.addRoundedRect(QRectF(x0, y, 34, 36), 6, 6);
            filled(p, box, QColor(0x7A, 0x1E, 0x2A), 1.5);
            p.fillRect(QRectF(x0, y + 26, 34, 5), colour::gold);
        }
    p.fillRect(QRectF(0, 0, width, 8), colour::gold);
}

void gothicWindow(QPainter &p)
{
    for (double x0 : {6.0, 112.0}) {
        QPainterPath w(QPointF(x0, 110));
        w.lineTo(x0, 50);
        w.quadTo(QPointF(x0, 26), QPointF(x0 + 14, 20));
        w.quadTo(QPointF(x0 + 28, 26), QPointF(x0 + 28, 50));
        w.lineTo(x0 + 28, 110);
        w.closeSubpath();
        filled(p, w, colour::sky, 2.5);
        p.save();
        p.setClipPath(w);
        p.fillRect(QRectF(x0, 60, 28, 20), colour::red);
        p.fillRect(QRectF(x0, 80, 28, 30), colour::gold);
        p.restore();
        p.setPen(inkPen(2));
        p.drawLine(QPointF(x0 + 14, 24), QPointF(x0 + 14, 110));
    }
}

void stageArch(QPainter &p)
{
    p.setPen(QPen(colour::gold, 5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(8, 14, 130, 140), 0, 180 * 16);
    for (double x : {10.0, 136.0})
        p.fillRect(QRectF(x - 3, 84, 6, 116), colour::gold);
    for (const QPointF &at : {QPointF(16, 30), QPointF(130, 30)})
        disc(p, at, 5, colour::leaf, 1);
}

void riverHills(QPainter &p)
{
    filled(p, oval(QPointF(10, 130), 50, 30), colour::leaf, 0);
    filled(p, oval(QPointF(140, 124), 46, 28), colour::leaf.darker(115), 0);
    water(p, 138, QColor(0x5A, 0x9A, 0xC8));
    for (double x : {36.0, 104.0})
        filled(p, oval(QPointF(x, 26 + std::fmod(x, 20)), 18, 7), white, 0);
}

void garlands(QPainter &p)
{
    p.setPen(QPen(colour::leaf, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-10, -20, 80, 50), 200 * 16, 140 * 16);
    p.drawArc(QRectF(76, -20, 80, 50), 200 * 16, 140 * 16);
    for (const QPointF &at : {QPointF(8, 18), QPointF(30, 28), QPointF(116, 28), QPointF(138, 18)})
        disc(p, at, 4, colour::coral, 1);
    notes(p, colour::plum);
}

void goldPanels(QPainter &p)
{
    p.setPen(QPen(colour::gold.darker(110), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(6, 8, 34, 130), 6, 6);
    p.drawRoundedRect(QRectF(106, 8, 34, 130), 6, 6);
}

// --- What the musician holds or plays, in front of the bust.

void violin(QPainter &p, const Look &)
{
    Placed at(p, QPointF(98, 156), 100, 24);
    gen::violin(p, 0.5);
}

void cello(QPainter &p, const Look &)
{
    Placed at(p, QPointF(104, 162), 150, 10);
    gen::violin(p, 0.35);
}

void guitar(QPainter &p, const Look &)
{
    Placed at(p, QPointF(70, 166), 100, 58);
    gen::guitar(p, colour::wood);
}

void trumpet(QPainter &p, const Look &)
{
    Placed at(p, QPointF(96, 164), 84, -28);
    gen::trumpet(p, 0.5);
}

void saxophone(QPainter &p, const Look &)
{
    Placed at(p, QPointF(100, 158), 86, 6);
    gen::saxophone(p);
}

void flute(QPainter &p, const Look &)
{
    Placed at(p, QPointF(76, 156), 120, -22);
    gen::flute(p);
}

void drums(QPainter &p, const Look &)
{
    Placed at(p, QPointF(73, 178), 88);
    drum(p, 0.25);
}

void xylophone(QPainter &p, const Look &)
{
    Placed at(p, QPointF(73, 178), 96);
    gen::xylophone(p, 0.4);
}

void microphone(QPainter &p, const Look &)
{
    p.setPen(QPen(QColor(0x30, 0x30, 0x38), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(108, 146), QPointF(116, 202));
    Placed at(p, QPointF(104, 128), 50, -12);
    gen::microphone(p);
}

void baton(QPainter &p, const Look &look)
{
    raisedHand(p, look, QPointF(120, 104));
    p.setPen(QPen(colour::ink, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(118, 100), QPointF(136, 60));
    p.setPen(QPen(white, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(118, 100), QPointF(136, 60));
}

void staff(QPainter &p, const Look &look)
{
    p.setPen(QPen(colour::ink, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(112, 202), QPointF(128, 34));
    p.setPen(QPen(colour::wood, 4.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(112, 202), QPointF(128, 34));
    disc(p, QPointF(128, 32), 6, colour::gold, 1.5);
    raisedHand(p, look, QPointF(122, 112));
}

void swordAndViolin(QPainter &p, const Look &look)
{
    p.setPen(QPen(colour::ink, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(122, 100), QPointF(138, 14));
    p.setPen(QPen(QColor(0xD8, 0xDC, 0xE4), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(122, 100), QPointF(138, 14));
    filled(p, oval(QPointF(121, 106), 8, 3), colour::gold, 1.2);
    raisedHand(p, look, QPointF(120, 114));
    violin(p, look);
}

void umbrella(QPainter &p, const Look &)
{
    filled(p, polygon({{106, 200}, {112, 120}, {122, 200}}), QColor(0x2A, 0x24, 0x28), 1.5);
    p.setPen(QPen(colour::ink, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(112, 120), QPointF(112, 104));
    p.drawArc(QRectF(104, 96, 16, 16), 0, 180 * 16);
}

void scoreSheet(QPainter &p, bool unfinished)
{
    p.save();
    p.translate(100, 176);
    p.rotate(-8);
    filled(p, polygon({{-38, -26}, {38, -26}, {38, 30}, {-38, 30}}), QColor(0xFF, 0xF6, 0xDC), 1.5);
    p.setPen(QPen(colour::ink, 0.8));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(-32, -16 + 4 * i), QPointF(32, -16 + 4 * i));
    for (int i = 0; i < (unfinished ? 3 : 6); ++i)
        note(p, QPointF(-26 + 10 * i, -4 - 2 * (i % 3)), 2.6, NoteKind::Noire, colour::ink);
    p.restore();
}

void quill(QPainter &p, QPointF tip)
{
    QPainterPath feather(tip);
    feather.cubicTo(tip + QPointF(6, -20), tip + QPointF(20, -44), tip + QPointF(34, -60));
    feather.cubicTo(tip + QPointF(20, -38), tip + QPointF(14, -20), tip);
    filled(p, feather, white, 1.5);
    p.setPen(inkPen(1));
    p.drawLine(tip, tip + QPointF(26, -46));
}

void quillAndScore(QPainter &p, const Look &)
{
    scoreSheet(p, false);
    quill(p, QPointF(112, 170));
}

void unfinishedScore(QPainter &p, const Look &)
{
    scoreSheet(p, true);
    quill(p, QPointF(104, 166));
}

void manuscript(QPainter &p, const Look &)
{
    filled(p, polygon({{30, 168}, {73, 176}, {116, 168}, {116, 202}, {30, 202}}),
           QColor(0xF4, 0xE4, 0xB8), 1.5);
    p.setPen(inkPen(1.2));
    p.drawLine(QPointF(73, 176), QPointF(73, 202));
    for (double x = 38; x < 110; x += 9)
        if (std::abs(x - 73) > 5)
            p.fillRect(QRectF(x, 186 + std::fmod(x, 7) / 2, 3.5, 3.5), colour::red);
    quill(p, QPointF(100, 184));
}

void lyre(QPainter &p, const Look &)
{
    p.save();
    p.translate(104, 162);
    QPainterPath frame(QPointF(-16, -30));
    frame.cubicTo(QPointF(-26, -10), QPointF(-20, 20), QPointF(0, 26));
    frame.cubicTo(QPointF(20, 20), QPointF(26, -10), QPointF(16, -30));
    p.setPen(QPen(colour::ink, 7, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(frame);
    p.setPen(QPen(colour::gold, 4.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(frame);
    p.setPen(QPen(colour::ink, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-18, -24), QPointF(18, -24));
    p.setPen(QPen(QColor(0xF0, 0xE8, 0xD0), 1));
    for (double x = -9; x <= 9; x += 4.5)
        p.drawLine(QPointF(x, -22), QPointF(x * 0.5, 20));
    p.restore();
}

using Scene = std::function<void(QPainter &)>;
using Prop = std::function<void(QPainter &, const Look &)>;

struct Backdrop {
    QColor top, bottom; // a gradient from the top of the card to its foot
};

struct Card {
    const char *name;
    Backdrop backdrop;
    Scene scene; // behind the bust
    Look look;
    Prop prop; // in front of it
};

QImage drawCard(const Card &c)
{
    QImage img = canvas(pictureWidth, pictureHeight);
    QPainter p(&img);
    begin(p);
    verticalGradient(p, img.rect(), c.backdrop.top, c.backdrop.bottom);
    if (c.scene) {
        p.save();
        c.scene(p);
        p.restore();
    }
    bust(p, c.look);
    if (c.prop) {
        p.save();
        c.prop(p, c.look);
        p.restore();
    }
    p.setPen(QPen(c.backdrop.bottom.darker(160), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, width - 3, height - 3));
    return img;
}

Scene notesIn(const QColor &c)
{
    return [c](QPainter &p) { notes(p, c); };
}

Scene royalIn(const QColor &c)
{
    return [c](QPainter &p) { royal(p, c); };
}

const QColor sky{0xB8, 0xDC, 0xF4};
const QColor cream{0xFF, 0xF4, 0xDC};

const std::vector<Card> &cards()
{
    using C = Costume;
    using H = Hair;
    static const std::vector<Card> list = {
        {"FRAISE_LYRE",
         {QColor(0xF0C880), QColor(0xA86A3A)},
         stageArch,
         {C::Fraise, H::Courte, hair::dark, QColor(0x2C2430), colour::ink, skin::light,
          Beard::Pointue},
         lyre},
        {"ABBESSE_MANUSCRIT",
         {QColor(0xC8C4D0), QColor(0x8A8496)},
         gothicWindow,
         {C::Voile, H::Courte, hair::dark, QColor(0x262026)},
         manuscript},
        {"PERRUQUE_ROUSSE_GONDOLE",
         {sky, QColor(0x7AB8D8)},
         venice,
         {C::Habit, H::Perruque, hair::auburn, QColor(0x30283A)},
         violin},
        {"PERRUQUE_BATON_ROYAL",
         {QColor(0x2A3E9A), QColor(0x1A246A)},
         royalIn(colour::gold),
         {C::Habit, H::Perruque, hair::black, QColor(0xB0283A)},
         staff},
        {"PERRUQUE_CLAVECIN",
         {cream, QColor(0xF0D898)},
         goldPanels,
         {C::Habit, H::Perruque, hair::grey, colour::teal},
         harpsichord},
        {"PERRUQUE_PALMIER",
         {sky, QColor(0xF8E0A8)},
         palmTree,
         {C::Habit, H::Perruque, hair::brown, QColor(0x2E6A3A)},
         quillAndScore},
        {"DAME_CLAVECIN_ROYAL",
         {QColor(0x3A4EAA), QColor(0x24307A)},
         royalIn(colour::gold),
         {C::RobeBaroque, H::Fontange, hair::dark, QColor(0xC8507A)},
         harpsichord},
        {"PERRUQUE_COURONNE",
         {QColor(0xC03A44), QColor(0x7A1A26)},
         [](QPainter &p) {
             crown(p, QPointF(26, 30));
             notes(p, colour::gold);
         },
         {C::Habit, H::Perruque, hair::dark, QColor(0x2A3A7A)},
         quillAndScore},
        {"PERRUQUE_BARQUE",
         {sky, QColor(0xD8ECF8)},
         riverBarge,
         {C::Habit, H::Perruque, hair::white, QColor(0x8A4A1E)},
         {}},
        {"PERRUQUE_ORGUE",
         {QColor(0x8A522A), QColor(0x5A3018)},
         organPipes,
         {C::Habit, H::Perruque, hair::white, QColor(0x3A2A4A)},
         organ},
        {"ENFANT_CLAVECIN",
         {QColor(0xFFE4EC), QColor(0xF8C8D8)},
         garlands,
         {C::HabitPoudre, H::Poudree, hair::white, QColor(0xC0303A), colour::ink, skin::light,
          Beard::Aucune, Hat::Aucun, true},
         harpsichord},
        {"POUDRE_PALAIS",
         {sky, QColor(0xE0F0FF)},
         palace,
         {C::HabitPoudre, H::Poudree, hair::white, QColor(0x3A5AA8)},
         quillAndScore},
        {"POUDRE_TABLEAU",
         {QColor(0xF4E8D0), QColor(0xD8C098)},
         blackboard,
         {C::HabitPoudre, H::Poudree, hair::white, QColor(0x2E6A4A)},
         baton},
        {"POUDRE_EPEE_VIOLON",
         {QColor(0xF8ECC8), QColor(0xE0B878)},
         goldPanels,
         {C::HabitPoudre, H::Poudree, hair::white, QColor(0x9A2A3A), colour::ink, skin::dark},
         swordAndViolin},
        {"CRAVATE_PIANO",
         {sky, QColor(0xE8F0E0)},
         riverHills,
         {C::Redingote, H::Bouclee, hair::dark, QColor(0x2E4A3A), white},
         piano},
        {"CRAVATE_VIOLON",
         {QColor(0x7A1E2A), QColor(0x3A1018)},
         notesIn(colour::gold),
         {C::Redingote, H::Longue, hair::black, QColor(0x2A2228), colour::red},
         violin},
        {"CRAVATE_PLUME",
         {QColor(0xFFEED0), QColor(0xF0D0A0)},
         notesIn(colour::brown),
         {C::Redingote, H::Bouclee, hair::brown, QColor(0x6A4A2A)},
         unfinishedScore},
        {"CRAVATE_PIANO_BOUGIE",
         {QColor(0x2A305A), QColor(0x4A3A6A)},
         candle,
         {C::Redingote, H::Raie, hair::brown, QColor(0x222A4A)},
         piano},
        {"CRAVATE_PIANO_ROSES",
         {QColor(0xC8A8E0), QColor(0x8A5AA8)},
         roses,
         {C::Redingote, H::Longue, hair::brown, QColor(0x241E24)},
         piano},
        {"DAME_PIANO",
         {QColor(0xF4ECF8), QColor(0xD8C8E8)},
         notesIn(colour::plum),
         {C::RobeRomantique, H::Chignon, hair::dark, QColor(0x2E5A4A)},
         piano},
        {"CRAVATE_LUNE_CLOCHES",
         {night, QColor(0x3A3A7A)},
         weddingNight,
         {C::Redingote, H::Raie, hair::dark, QColor(0x5A3A2A)},
         baton},
        {"BARBE_BERCEUSE",
         {night, QColor(0x3A468A)},
         lullaby,
         {C::NoeudPapillon, H::Degarnie, hair::grey, QColor(0x4A3A30), colour::ink, skin::light,
          Beard::Pleine},
         piano},
        {"BARBE_RIDEAUX",
         {QColor(0x3A1E1E), QColor(0x1E1010)},
         [](QPainter &p) { curtains(p, colour::red); },
         {C::NoeudPapillon, H::Courte, hair::dark, QColor(0x26222A), colour::ink, skin::light,
          Beard::Pleine},
         baton},
        {"CRAVATE_THEATRE",
         {sky, QColor(0xF8E8C0)},
         theatreOnHill,
         {C::Redingote, H::Raie, hair::grey, QColor(0x5A3A22), colour::plum},
         quillAndScore},
        {"BARBE_CANON",
         {sky, QColor(0xE8E0D0)},
         cannon,
         {C::NoeudPapillon, H::Courte, hair::grey, QColor(0x2A365A), colour::ink, skin::light,
          Beard::Pleine},
         baton},
        {"BARBE_XYLOPHONE",
         {night, QColor(0x4A2A5A)},
         bones,
         {C::NoeudPapillon, H::Degarnie, hair::grey, QColor(0x302A30), colour::ink, skin::light,
          Beard::Pleine},
         xylophone},
        {"BARBE_BALAI",
         {QColor(0x4A2A6A), QColor(0x2A1A3A)},
         broomAndBucket,
         {C::NoeudPapillon, H::Degarnie, hair::dark, QColor(0x6A4A2A), colour::ink, skin::light,
          Beard::Pleine},
         baton},
        {"NOEUD_FLUTE",
         {QColor(0xD8F0C8), QColor(0xA8D090)},
         foliage,
         {C::NoeudPapillon, H::Courte, hair::dark, QColor(0x5A5A66), colour::teal, skin::light,
          Beard::Pleine},
         flute},
        {"COSTUME_THEIERE",
         {QColor(0xFFF0E0), QColor(0xF0D8C0)},
         teapotAndCup,
         {C::Cravate, H::Plaquee, hair::black, QColor(0x4A5A7A), colour::red},
         piano},
        {"MELON_PARAPLUIE",
         {QColor(0xC8D4E4), QColor(0x8A9AB8)},
         roofs,
         {C::Cravate, H::Courte, hair::dark, QColor(0x6A6A72), colour::ink, skin::light,
          Beard::Aucune, Hat::Melon},
         umbrella},
        {"DAME_ARCADES",
         {QColor(0xFFE8C0), QColor(0xF0C890)},
         arches,
         {C::Chemisier, H::Gonflee, hair::dark, QColor(0xF4ECE0)},
         quillAndScore},
        {"OISEAU_DE_FEU",
         {night, QColor(0x2A1E4A)},
         firebird,
         {C::Cravate, H::Plaquee, hair::dark, QColor(0x3A3A44), colour::teal, skin::light,
          Beard::Moustache},
         {}},
        {"VIOLONCELLE_MUR",
         {QColor(0xB85A3E), QColor(0x8A3A26)},
         brickWall,
         {C::Cravate, H::Degarnie, hair::grey, QColor(0x22222A), colour::sky},
         cello},
        {"RAGTIME_PIANO",
         {QColor(0xF0D898), QColor(0xD8A860)},
         wallpaper,
         {C::NoeudPapillon, H::Courte, hair::black, QColor(0x6A3A22), colour::red, skin::dark,
          Beard::Moustache},
         piano},
        {"GRATTE_CIEL_PIANO",
         {QColor(0x3A4A8A), QColor(0xE88A6A)},
         skyline,
         {C::Cravate, H::Plaquee, hair::black, QColor(0x2A304A), colour::gold},
         piano},
        {"JAZZ_TROMPETTE",
         {QColor(0x2A1E3A), QColor(0x4A2A4A)},
         spotlight,
         {C::Smoking, H::Courte, hair::black, QColor(0x221E24), colour::ink, skin::dark},
         trumpet},
        {"JAZZ_PIANO",
         {QColor(0x1E2A3A), QColor(0x2A3A4A)},
         artDeco,
         {C::Smoking, H::Plaquee, hair::black, QColor(0x221E24), colour::ink, skin::dark,
          Beard::Moustache},
         piano},
        {"CHANTEUSE_JAZZ",
         {QColor(0x3A1E4A), QColor(0x6A2A5A)},
         spotlight,
         {C::RobeDeScene, H::Bouclee, hair::black, QColor(0x2A6AC0), colour::ink, skin::dark},
         microphone},
        {"SAXOPHONE_OISEAU",
         {QColor(0x8AC8F0), QColor(0x4A8AC8)},
         birds,
         {C::Cravate, H::Courte, hair::black, QColor(0x5A5A62), colour::coral, skin::dark},
         saxophone},
        {"GUITARE_ROULOTTE",
         {QColor(0xFFECC8), QColor(0xF0C088)},
         caravan,
         {C::Cravate, H::Plaquee, hair::black, QColor(0x4A3A2E), colour::gold, skin::medium,
          Beard::Moustache},
         guitar},
        {"CHANTEUSE_PARIS",
         {QColor(0xF8C0D0), QColor(0xE080A0)},
         eiffelTower,
         {C::RobeDeScene, H::Bouclee, hair::dark, QColor(0x1E1A1E)},
         microphone},
        {"GUITARE_PHARE",
         {sky, QColor(0xA8D0F0)},
         lighthouse,
         {C::ColRond, H::Bouclee, hair::grey, QColor(0x3A3A40), colour::ink, skin::light,
          Beard::Moustache},
         guitar},
        {"MICRO_PLAT_PAYS",
         {QColor(0xC8CCD4), QColor(0xA8B4C0)},
         flatCountry,
         {C::Cravate, H::Raie, hair::dark, QColor(0x2A2A36), colour::ink},
         microphone},
        {"ROCK_GUITARE",
         {QColor(0x3AB0B0), QColor(0x1E6A7A)},
         rockStars,
         {C::Blouson, H::Banane, hair::black, QColor(0xE0609A)},
         guitar},
        {"BATTERIE",
         {QColor(0xFFD060), QColor(0xF09040)},
         sunrays,
         {C::ColRond, H::Frange, hair::brown, QColor(0x6A6A74), colour::ink},
         drums},
        {"POP_ETOILES",
         {QColor(0x2A1A4A), QColor(0x5A2A7A)},
         stageLights,
         {C::Blouson, H::Bouclee, hair::black, QColor(0xC82A3A), colour::ink, skin::medium},
         microphone},
        {"CHEF_TELEVISION",
         {QColor(0xF0E8D8), QColor(0xD0C4B0)},
         television,
         {C::Cravate, H::Raie, hair::grey, QColor(0x2A2A36), colour::sky},
         baton},
        {"CHEF_CINEMA",
         {night, QColor(0x1A1A3A)},
         space,
         {C::Cravate, H::Courte, hair::grey, QColor(0x2A2A36), colour::red},
         baton},
        {"CINEMA_CACTUS",
         {QColor(0xF8B060), QColor(0xE87A4A)},
         desert,
         {C::Cravate, H::Degarnie, hair::grey, QColor(0x6A4A32), colour::ink},
         {}},
        {"DIVA_OPERA",
         {QColor(0x5A1A26), QColor(0x3A1018)},
         operaBoxes,
         {C::RobeDeScene, H::Chignon, hair::black, QColor(0xC02A4A), colour::ink, skin::light,
          Beard::Aucune, Hat::Diademe},
         {}},
    };
    return list;
}

} // namespace

std::vector<Picture> portraitCards()
{
    std::vector<Picture> pictures;
    for (const Card &c : cards())
        pictures.push_back({QString::fromLatin1(c.name), drawCard(c)});
    return pictures;
}

} // namespace gen
