// The musician's bust: see portrait.h. Drawn back to front: the body and its costume, the hair
// that falls behind the head (a wig's locks fall over the shoulders), the head and face, then
// what lies on the head.
#include "portrait.h"

#include "draw.h"

#include <QPainterPath>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace gen {

namespace {

constexpr double axis = 73; // the bust is symmetrical about this line
constexpr QPointF headCentre{axis, 82};
constexpr double pi = std::numbers::pi;
const QColor linen(0xFC, 0xFA, 0xF4);

QPen outline(double width)
{
    return QPen(colour::ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath rect(double x, double y, double w, double h)
{
    QPainterPath path;
    path.addRect(x, y, w, h);
    return path;
}

// The same shape on the other side of the axis.
QPainterPath mirrored(const QPainterPath &path)
{
    return QTransform(-1, 0, 0, 1, 2 * axis, 0).map(path);
}

QPainterPath bothSides(const QPainterPath &left)
{
    return left.united(mirrored(left));
}

QPainterPath torso()
{
    QPainterPath t(QPointF(4, 202));
    t.lineTo(6, 166);
    t.cubicTo(QPointF(8, 138), QPointF(28, 126), QPointF(58, 123));
    t.lineTo(88, 123);
    t.cubicTo(QPointF(118, 126), QPointF(138, 138), QPointF(140, 166));
    t.lineTo(142, 202);
    t.closeSubpath();
    return t;
}

// Hair on the head: an oval a little larger than the head, kept above `fringe` in the middle
// and above `sides` beside the face. A hairline combed back is an arch over the forehead; one
// combed forward ends in a few locks.
QPainterPath cap(double fringe, double sides, bool combedBack, double rx = 28, double ry = 30)
{
    QPainterPath keep(QPointF(0, 0));
    keep.lineTo(146, 0);
    keep.lineTo(146, sides);
    keep.lineTo(axis + 20, sides);
    keep.lineTo(axis + 20, fringe);
    if (combedBack) {
        keep.quadTo(QPointF(axis, fringe - 10), QPointF(axis - 20, fringe));
    } else {
        keep.quadTo(QPointF(axis + 12, fringe + 5), QPointF(axis + 4, fringe - 2));
        keep.quadTo(QPointF(axis - 6, fringe + 6), QPointF(axis - 14, fringe - 1));
        keep.quadTo(QPointF(axis - 18, fringe + 3), QPointF(axis - 20, fringe + 2));
    }
    keep.lineTo(axis - 20, sides);
    keep.lineTo(0, sides);
    keep.closeSubpath();
    return oval(QPointF(axis, 80), rx, ry).intersected(keep);
}

// The opening of a coat over the shirt: a V from the neck down to `bottom`.
QPainterPath shirtFront(double bottom)
{
    return polygon({{58, 123}, {88, 123}, {axis, bottom}});
}

QPainterPath lapel(double bottom)
{
    return bothSides(polygon({{49, 127}, {59, 123}, {axis - 1, bottom}, {46, 150}}));
}

// A lace frill: white scallops along a line.
void lace(QPainter &p, QPointF from, QPointF to, double r)
{
    const int n = std::max(2, int(std::hypot(to.x() - from.x(), to.y() - from.y()) / (1.5 * r)));
    for (int i = 0; i <= n; ++i)
        disc(p, from + (to - from) * (double(i) / n), r, Qt::white, 1);
}

void pearls(QPainter &p, double top, double drop)
{
    for (int i = 0; i <= 8; ++i) {
        const double t = i / 8.0, x = 60 + 26 * t;
        disc(p, QPointF(x, top + drop * std::sin(t * pi)), 2.4, QColor(0xFA, 0xF6, 0xF0), 0.8);
    }
}

void bowTie(QPainter &p, QPointF at, const QColor &c)
{
    const QPainterPath wings =
        bothSides(polygon({at, at + QPointF(-11, -6), at + QPointF(-11, 6)}));
    filled(p, wings, c, 1.5);
    disc(p, at, 3, c, 1.5);
}

void costumeBody(QPainter &p, const Look &look)
{
    filled(p, torso(), look.coat);
    switch (look.costume) {
    case Costume::Fraise:
        for (double y = 140; y < 200; y += 14)
            disc(p, QPointF(axis, y), 2.5, colour::cream, 1);
        break;
    case Costume::Habit:
        p.setPen(QPen(colour::gold, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(64, 124), QPointF(60, 202));
        p.drawLine(QPointF(82, 124), QPointF(86, 202));
        for (double y = 150; y < 200; y += 14) {
            disc(p, QPointF(55, y), 2.8, colour::gold, 1);
            disc(p, QPointF(91, y), 2.8, colour::gold, 1);
        }
        break;
    case Costume::HabitPoudre:
        filled(p, polygon({{60, 123}, {86, 123}, {84, 202}, {62, 202}}), colour::cream);
        for (double y = 140; y < 200; y += 12)
            disc(p, QPointF(axis, y), 2.2, colour::gold, 1);
        filled(p, lapel(172), look.coat.darker(120));
        break;
    case Costume::Voile: break;
    case Costume::Redingote:
        filled(p, shirtFront(176), linen);
        filled(p, lapel(176), look.coat.darker(125));
        break;
    case Costume::NoeudPapillon:
    case Costume::Cravate:
        filled(p, shirtFront(170), linen);
        filled(p, lapel(170), look.coat.darker(125));
        break;
    case Costume::Smoking:
        filled(p, shirtFront(178), linen);
        filled(p, lapel(178), QColor(0x4A, 0x44, 0x50));
        break;
    case Costume::ColRond: {
        QPainterPath u(QPointF(58, 123));
        u.cubicTo(QPointF(60, 145), QPointF(68, 152), QPointF(axis, 153));
        u.cubicTo(QPointF(78, 152), QPointF(86, 145), QPointF(88, 123));
        u.closeSubpath();
        filled(p, u, linen);
        p.setPen(outline(1.5));
        p.drawLine(QPointF(axis, 153), QPointF(axis, 202));
        for (double y = 168; y < 200; y += 18)
            disc(p, QPointF(axis + 5, y), 2.2, look.coat.darker(140), 1);
        break;
    }
    case Costume::Blouson:
        filled(p, polygon({{62, 123}, {84, 123}, {axis, 150}}), look.skinColour);
        filled(p, bothSides(polygon({{62, 123}, {54, 128}, {axis - 2, 156}})), linen, 1.5);
        break;
    case Costume::RobeBaroque:
        filled(p, polygon({{52, 124}, {94, 124}, {90, 146}, {56, 146}}), look.skinColour);
        lace(p, QPointF(56, 146), QPointF(90, 146), 3);
        pearls(p, 121, 6);
        break;
    case Costume::RobeRomantique: {
        QPainterPath neckline(QPointF(0, 152));
        neckline.cubicTo(QPointF(40, 138), QPointF(106, 138), QPointF(146, 152));
        QPainterPath above = neckline;
        above.lineTo(146, 0);
        above.lineTo(0, 0);
        above.closeSubpath();
        filled(p, torso().intersected(above), look.skinColour);
        for (int i = 2; i <= 22; ++i)
            disc(p, neckline.pointAtPercent(i / 24.0), 3.2, Qt::white, 1);
        pearls(p, 121, 8);
        break;
    }
    case Costume::Chemisier:
        p.setPen(QPen(look.coat.darker(125), 1.5));
        for (double x = 62; x <= 84; x += 7)
            p.drawLine(QPointF(x, 132), QPointF(x, 202));
        break;
    case Costume::RobeDeScene: {
        QPainterPath u(QPointF(50, 120));
        u.cubicTo(QPointF(54, 150), QPointF(92, 150), QPointF(96, 120));
        u.closeSubpath();
        filled(p, torso().intersected(u.united(rect(50, 100, 46, 24))), look.skinColour);
        pearls(p, 122, 12);
        break;
    }
    }
}

void neck(QPainter &p, const Look &look)
{
    QPainterPath n;
    n.addRoundedRect(QRectF(63, 96, 20, 32), 6, 6);
    filled(p, n, look.skinColour.darker(108));
}

// What goes round the neck, over the neck but under the chin.
void costumeNeck(QPainter &p, const Look &look)
{
    switch (look.costume) {
    case Costume::Fraise: {
        // A pleated ruff: a ring of small white folds.
        for (int i = 0; i < 22; ++i) {
            const double a = 2 * pi * i / 22;
            disc(p, QPointF(axis + 30 * std::cos(a), 118 + 9 * std::sin(a)), 6.5, linen, 1);
        }
        filled(p, oval(QPointF(axis, 118), 28, 8), linen, 1);
        break;
    }
    case Costume::Habit:
        for (int i = 0; i < 4; ++i)
            filled(p, oval(QPointF(axis, 127 + 9 * i), 12 - 1.2 * i, 6), linen, 1.2);
        break;
    case Costume::HabitPoudre:
        filled(p, rect(63, 112, 20, 12), linen, 1.5);
        filled(p, oval(QPointF(axis, 128), 8, 5), linen, 1.2);
        filled(p, oval(QPointF(axis, 135), 6, 4), linen, 1.2);
        break;
    case Costume::Redingote: {
        QPainterPath band;
        band.addRoundedRect(QRectF(60, 108, 26, 16), 5, 5);
        filled(p, band, look.accent);
        filled(p, polygon({{axis, 124}, {62, 146}, {70, 150}}), look.accent, 1.5);
        filled(p, polygon({{axis, 124}, {84, 146}, {76, 150}}), look.accent, 1.5);
        filled(p, oval(QPointF(axis, 125), 7, 6), look.accent, 1.5);
        break;
    }
    case Costume::NoeudPapillon:
        filled(p, rect(63, 110, 20, 12), linen, 1.5);
        bowTie(p, QPointF(axis, 122), look.accent);
        break;
    case Costume::Smoking: bowTie(p, QPointF(axis, 122), QColor(0x18, 0x14, 0x18)); break;
    case Costume::Cravate:
        filled(p, polygon({{axis - 4, 118}, {axis + 4, 118}, {axis + 3, 126}, {axis - 3, 126}}),
               look.accent, 1.2);
        filled(
            p,
            polygon(
                {{axis - 3, 126}, {axis + 3, 126}, {axis + 7, 166}, {axis, 172}, {axis - 7, 166}}),
            look.accent, 1.2);
        filled(p, bothSides(polygon({{63, 114}, {axis - 1, 121}, {64, 126}})), linen, 1.2);
        break;
    case Costume::Blouson:
        filled(p, bothSides(polygon({{60, 124}, {50, 102}, {62, 106}, {66, 122}})),
               look.coat.darker(115), 1.5);
        break;
    case Costume::Chemisier:
        filled(p, rect(62, 100, 22, 24), linen, 1.5);
        p.setPen(QPen(QColor(0xC8, 0xC0, 0xB8), 1));
        for (double y = 105; y < 124; y += 5)
            p.drawLine(QPointF(63, y), QPointF(83, y));
        disc(p, QPointF(axis, 124), 4, colour::gold, 1.2);
        break;
    default: break;
    }
}

// The nun's wimple frames the face; her veil falls on her shoulders.
void veil(QPainter &p)
{
    QPainterPath hood(QPointF(34, 156));
    hood.cubicTo(QPointF(26, 96), QPointF(36, 42), QPointF(axis, 42));
    hood.cubicTo(QPointF(110, 42), QPointF(120, 96), QPointF(112, 156));
    hood.closeSubpath();
    filled(p, hood, QColor(0x26, 0x20, 0x26));
    filled(p, oval(QPointF(axis, 86), 30, 32).united(oval(QPointF(axis, 124), 32, 16)), linen, 1.5);
}

void veilBand(QPainter &p)
{
    filled(p, oval(QPointF(axis, 86), 30, 32).intersected(rect(0, 0, 146, 66)), linen, 1.5);
}

void curls(QPainter &p, const QColor &c, std::initializer_list<QPointF> at, double r)
{
    for (const QPointF &pt : at)
        disc(p, pt, r, c, 1.5);
}

// Hair that lies behind the head and, for a wig, falls over the shoulders.
void hairBehind(QPainter &p, const Look &look)
{
    const QColor &c = look.hairColour;
    switch (look.hair) {
    case Hair::Perruque:
        filled(p, oval(QPointF(axis, 76), 34, 30), c);
        for (double side : {-1.0, 1.0})
            for (int i = 0; i < 9; ++i) {
                const double y = 64 + 10.5 * i;
                const double x = axis + side * (29 + 0.12 * (y - 64) + (i % 2 ? 3 : -2));
                disc(p, QPointF(x, y), 11, c);
            }
        break;
    case Hair::Poudree:
        filled(p, oval(QPointF(axis, 78), 28, 30), c);
        bowTie(p, QPointF(101, 108), QColor(0x22, 0x1A, 0x1E));
        break;
    case Hair::Longue: {
        QPainterPath back;
        back.addRoundedRect(QRectF(43, 56, 60, 88), 20, 20);
        filled(p, back, c);
        break;
    }
    case Hair::Chignon: disc(p, QPointF(axis, 50), 13, c, 2); break;
    case Hair::Gonflee: disc(p, QPointF(axis, 38), 11, c, 2); break;
    default: break;
    }
}

void hairFront(QPainter &p, const Look &look)
{
    const QColor &c = look.hairColour;
    switch (look.hair) {
    case Hair::Perruque:
        curls(p, c, {{51, 66}, {95, 66}}, 10);
        curls(p, c, {{61, 57}, {85, 57}}, 13);
        p.setPen(QPen(c.darker(150), 1.5));
        p.drawLine(QPointF(axis, 46), QPointF(axis, 58));
        break;
    case Hair::Poudree:
        filled(p, cap(66, 78, true, 27, 29), c);
        for (double side : {-1.0, 1.0})
            for (double y : {80.0, 90.0}) {
                QPainterPath roll;
                roll.addRoundedRect(QRectF(axis + side * 26 - 8, y - 4.5, 16, 9), 4.5, 4.5);
                filled(p, roll, c, 1.5);
            }
        break;
    case Hair::Courte: filled(p, cap(66, 82, false), c); break;
    case Hair::Bouclee:
        filled(p, cap(64, 80, false), c);
        for (int i = 0; i <= 8; ++i) {
            const double a = pi * (1.05 + 0.9 * i / 8);
            disc(p, QPointF(axis + 27 * std::cos(a), 78 + 29 * std::sin(a)), 7, c);
        }
        break;
    case Hair::Longue:
        filled(p, cap(68, 96, true, 28, 31), c);
        p.setPen(QPen(c.darker(150), 1.5));
        p.drawLine(QPointF(axis, 50), QPointF(axis, 62));
        break;
    case Hair::Raie: {
        filled(p, cap(64, 82, false), c);
        QPainterPath swoop(QPointF(60, 52));
        swoop.cubicTo(QPointF(74, 50), QPointF(98, 56), QPointF(100, 76));
        swoop.cubicTo(QPointF(90, 66), QPointF(74, 62), QPointF(56, 68));
        swoop.closeSubpath();
        filled(p, swoop, c, 1.5);
        break;
    }
    case Hair::Plaquee:
        filled(p, cap(66, 80, true), c);
        p.setPen(QPen(QColor(255, 255, 255, 120), 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(56, 52, 34, 20), 30 * 16, 120 * 16);
        break;
    case Hair::Banane: {
        filled(p, cap(64, 84, true), c);
        QPainterPath quiff;
        quiff.addEllipse(QPointF(0, 0), 23, 12);
        filled(p, QTransform().translate(79, 52).rotate(-12).map(quiff), c, 1.5);
        break;
    }
    case Hair::Frange:
        filled(p, cap(73, 104, false, 30, 31), c);
        p.setPen(QPen(c.darker(150), 1.2));
        for (double x = 54; x <= 92; x += 6)
            p.drawLine(QPointF(x, 66), QPointF(x + 1, 73));
        break;
    case Hair::Degarnie:
        filled(p,
               oval(QPointF(axis, 80), 28, 30)
                   .intersected(rect(0, 62, 52, 30).united(rect(94, 62, 52, 30))),
               c);
        break;
    case Hair::Chignon:
        filled(p, cap(68, 84, true), c);
        p.setPen(QPen(c.darker(150), 1.5));
        p.drawLine(QPointF(axis, 52), QPointF(axis, 62));
        break;
    case Hair::Fontange: {
        // A fan of stiff lace in tiers above the curls.
        filled(p, polygon({{56, 58}, {60, 20}, {86, 20}, {90, 58}}), linen, 1.5);
        p.setPen(QPen(QColor(0xC8, 0xC0, 0xB8), 1.2));
        for (double y = 28; y < 56; y += 7)
            p.drawLine(QPointF(59, y), QPointF(87, y));
        filled(p, cap(64, 84, true), c);
        curls(p, c, {{58, 58}, {73, 54}, {88, 58}}, 8);
        break;
    }
    case Hair::Gonflee:
        filled(p, cap(68, 84, true).united(oval(QPointF(axis, 56), 32, 17)), c);
        break;
    }
}

void beard(QPainter &p, const Look &look)
{
    if (look.beard != Beard::Pleine)
        return;
    QPainterPath b(QPointF(48, 82));
    b.cubicTo(QPointF(48, 118), QPointF(60, 130), QPointF(axis, 130));
    b.cubicTo(QPointF(86, 130), QPointF(98, 118), QPointF(98, 82));
    b.cubicTo(QPointF(96, 96), QPointF(86, 94), QPointF(axis, 94));
    b.cubicTo(QPointF(60, 94), QPointF(50, 96), QPointF(48, 82));
    filled(p, b, look.hairColour);
}

void moustache(QPainter &p, const Look &look)
{
    if (look.beard == Beard::Aucune)
        return;
    if (look.beard == Beard::Pointue)
        filled(p, polygon({{66, 103}, {axis, 120}, {80, 103}}), look.hairColour, 1.5);
    QPainterPath half(QPointF(axis, 93));
    half.cubicTo(QPointF(66, 88), QPointF(58, 90), QPointF(55, 97));
    half.cubicTo(QPointF(62, 96), QPointF(68, 96), QPointF(axis, 95));
    half.closeSubpath();
    filled(p, bothSides(half), look.hairColour, 1.2);
}

void hat(QPainter &p, const Look &look)
{
    const QColor felt(0x2A, 0x24, 0x28);
    switch (look.hat) {
    case Hat::Aucun: break;
    case Hat::Melon:
        filled(p,
               oval(QPointF(axis, 52), 24, 20)
                   .intersected(rect(0, 0, 146, 56))
                   .united(rect(49, 50, 48, 8)),
               felt);
        filled(p, rect(49, 52, 48, 5), QColor(0x50, 0x48, 0x50), 1.2);
        filled(p, oval(QPointF(axis, 60), 35, 5), felt);
        break;
    case Hat::Diademe:
        filled(p, polygon({{56, 56}, {60, 44}, {66, 50}, {axis, 38}, {80, 50}, {86, 44}, {90, 56}}),
               colour::gold, 1.5);
        disc(p, QPointF(axis, 48), 3, colour::red, 1);
        break;
    }
}

void head(QPainter &p, const Look &look)
{
    const bool nun = look.costume == Costume::Voile;
    if (nun) {
        veil(p);
    } else {
        hairBehind(p, look);
        for (double x : {48.0, 98.0})
            filled(p, oval(QPointF(x, 86), 5, 7), look.skinColour);
    }
    filled(p, oval(headCentre, nun ? 22 : 25, nun ? 26 : 28), look.skinColour);
    beard(p, look);
    face(p, QPointF(axis, 86), nun ? 46 : 50, false, 0.9);
    moustache(p, look);
    if (nun)
        veilBand(p);
    else
        hairFront(p, look);
    hat(p, look);
}

// A child's body is smaller and its head sits lower on it.
QTransform bodyPlace(const Look &look)
{
    if (!look.child)
        return {};
    return QTransform().translate(axis, 202).scale(0.8, 0.8).translate(-axis, -202);
}

QTransform headPlace(const Look &look)
{
    if (!look.child)
        return {};
    return QTransform().translate(0, 16);
}

} // namespace

void bust(QPainter &p, const Look &look)
{
    p.save();
    p.setTransform(bodyPlace(look), true);
    costumeBody(p, look);
    neck(p, look);
    costumeNeck(p, look);
    p.restore();
    p.save();
    p.setTransform(headPlace(look), true);
    head(p, look);
    p.restore();
    if (look.costume == Costume::Redingote) {
        // The high collar's points stand up against the cheeks.
        p.save();
        p.setTransform(bodyPlace(look), true);
        filled(p, bothSides(polygon({{62, 118}, {52, 98}, {66, 108}})), linen, 1.5);
        p.restore();
    }
}

void raisedHand(QPainter &p, const Look &look, QPointF at)
{
    // The upper arm goes out to the elbow beside the body, the forearm up to the hand.
    QPainterPath arm(QPointF(110, 160));
    arm.lineTo(134, 146);
    arm.lineTo(at + QPointF(2, 10));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour::ink, 22, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(arm);
    p.setPen(QPen(look.coat, 18, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(arm);
    disc(p, at, 8, look.skinColour, 2);
}

} // namespace gen
