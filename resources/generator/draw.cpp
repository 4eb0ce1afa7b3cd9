// Drawing kit: see draw.h.
#include "draw.h"

#include <QFontMetricsF>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace gen {

namespace {
constexpr double pi = std::numbers::pi;

QPen inkPen(double width)
{
    return QPen(colour::ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}
} // namespace

std::uint32_t Rng::next()
{
    // xorshift32: small, fast and the same on every platform.
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
}

double Rng::uniform()
{
    return (next() >> 8) / double(1u << 24);
}

double Rng::range(double low, double high)
{
    return low + (high - low) * uniform();
}

int Rng::below(int n)
{
    return int(uniform() * n);
}

Placed::Placed(QPainter &p, QPointF centre, double size, double angle) : m_p(p)
{
    m_p.save();
    m_p.translate(centre);
    m_p.rotate(angle);
    m_p.scale(size / 100.0, size / 100.0);
}

Placed::~Placed()
{
    m_p.restore();
}

QFont font(double pixelSize, bool bold)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(int(std::lround(pixelSize)));
    f.setBold(bold);
    return f;
}

void verticalGradient(QPainter &p, const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void sunburst(QPainter &p, QPointF centre, double radius, int rays, const QColor &a,
              const QColor &b)
{
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < rays; ++i) {
        const double a0 = 2 * pi * i / rays;
        const double a1 = 2 * pi * (i + 1) / rays;
        QPainterPath ray(centre);
        ray.lineTo(centre + QPointF(std::cos(a0), std::sin(a0)) * radius);
        ray.lineTo(centre + QPointF(std::cos(a1), std::sin(a1)) * radius);
        ray.closeSubpath();
        p.setBrush(i % 2 ? a : b);
        p.drawPath(ray);
    }
    p.restore();
}

double staffLineY(QPointF start, double spacing, double waveAmplitude, double wavePhase,
                  double length, double x, double line)
{
    const double t = (x - start.x()) / length;
    return start.y() + line * spacing + waveAmplitude * std::sin(2 * pi * t + wavePhase);
}

void staff(QPainter &p, QPointF start, double length, double spacing, double waveAmplitude,
           double wavePhase, const QColor &c, double width)
{
    p.save();
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int line = 0; line < 5; ++line) {
        QPainterPath path(QPointF(start.x(), staffLineY(start, spacing, waveAmplitude, wavePhase,
                                                        length, start.x(), line)));
        for (double x = start.x() + 6; x <= start.x() + length + 0.5; x += 6)
            path.lineTo(x, staffLineY(start, spacing, waveAmplitude, wavePhase, length, x, line));
        p.drawPath(path);
    }
    p.restore();
}

void note(QPainter &p, QPointF headCentre, double h, NoteKind kind, const QColor &c, double angle)
{
    p.save();
    p.translate(headCentre);
    p.rotate(angle);
    p.setPen(Qt::NoPen);
    p.setBrush(c);

    QPainterPath head;
    {
        QTransform tilt;
        tilt.rotate(-22);
        QPainterPath outer;
        outer.addEllipse(QPointF(0, 0), 0.68 * h, 0.5 * h);
        head = tilt.map(outer);
        if (kind == NoteKind::Blanche) {
            QPainterPath inner;
            inner.addEllipse(QPointF(0, 0), 0.5 * h, 0.24 * h);
            QTransform steeper;
            steeper.rotate(-35);
            head = head.subtracted(steeper.map(inner));
        }
    }
    p.drawPath(head);

    const double stemX = 0.6 * h;
    const double stemTop = -3.3 * h;
    p.fillRect(QRectF(stemX - 0.13 * h, stemTop, 0.13 * h, 3.3 * h - 0.1 * h), c);

    auto flag = [&](double y) {
        QPainterPath f(QPointF(stemX - 0.05 * h, y));
        f.cubicTo(QPointF(stemX + 0.2 * h, y + 0.8 * h), QPointF(stemX + 1.3 * h, y + 1.0 * h),
                  QPointF(stemX + 0.9 * h, y + 2.2 * h));
        f.cubicTo(QPointF(stemX + 1.0 * h, y + 1.4 * h), QPointF(stemX + 0.4 * h, y + 1.0 * h),
                  QPointF(stemX - 0.05 * h, y + 0.9 * h));
        f.closeSubpath();
        p.drawPath(f);
    };
    if (kind == NoteKind::Croche || kind == NoteKind::DoubleCroche)
        flag(stemTop);
    if (kind == NoteKind::DoubleCroche)
        flag(stemTop + 0.75 * h);
    p.restore();
}

void pianoKeys(QPainter &p, const QRectF &r, int whiteKeys, int pressed)
{
    p.save();
    const double w = r.width() / whiteKeys;
    p.setPen(QPen(colour::ink, std::max(1.0, w * 0.06)));
    for (int i = 0; i < whiteKeys; ++i) {
        const QRectF key(r.left() + i * w, r.top(), w, r.height());
        p.setBrush(i == pressed ? colour::gold : QColor(Qt::white));
        p.drawRect(key);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour::ink);
    for (int i = 0; i < whiteKeys - 1; ++i) {
        const int inOctave = i % 7;
        if (inOctave == 2 || inOctave == 6)
            continue; // no black key between E-F and B-C
        p.drawRect(QRectF(r.left() + (i + 1) * w - 0.3 * w, r.top(), 0.6 * w, 0.62 * r.height()));
    }
    p.restore();
}

void textOutlined(QPainter &p, const QRectF &r, const QString &text, const QFont &f,
                  const QColor &fill, const QColor &outline, double outlineWidth, int flags)
{
    const QFontMetricsF fm(f);
    const double width = fm.horizontalAdvance(text);
    double x = r.left();
    if (flags & Qt::AlignHCenter)
        x = r.center().x() - width / 2;
    else if (flags & Qt::AlignRight)
        x = r.right() - width;
    double baseline = r.top() + fm.ascent();
    if (flags & Qt::AlignVCenter)
        baseline = r.center().y() + (fm.ascent() - fm.descent()) / 2;
    QPainterPath path;
    path.addText(QPointF(x, baseline), f, text);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (outlineWidth > 0) {
        p.setPen(QPen(outline, 2 * outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(outline);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

void roundedPanel(QPainter &p, const QRectF &r, double radius, const QColor &fill,
                  const QColor &border, double borderWidth)
{
    p.save();
    p.setPen(borderWidth > 0 ? QPen(border, borderWidth) : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
    p.restore();
}

void shadow(QPainter &p, const QRectF &r, double radius, double spread)
{
    p.save();
    p.setPen(Qt::NoPen);
    const int steps = 6;
    for (int i = steps; i >= 1; --i) {
        const double grow = spread * i / steps;
        p.setBrush(QColor(60, 25, 0, 14));
        p.drawRoundedRect(r.adjusted(-grow, -grow + 3, grow, grow + 3), radius + grow,
                          radius + grow);
    }
    p.restore();
}

void filled(QPainter &p, const QPainterPath &shape, const QColor &c, double outlineWidth)
{
    p.setPen(outlineWidth > 0 ? inkPen(outlineWidth) : QPen(Qt::NoPen));
    p.setBrush(c);
    p.drawPath(shape);
}

QPainterPath polygon(std::initializer_list<QPointF> corners)
{
    QPainterPath path;
    for (const QPointF &corner : corners) {
        if (path.elementCount() == 0)
            path.moveTo(corner);
        else
            path.lineTo(corner);
    }
    path.closeSubpath();
    return path;
}

QPainterPath oval(QPointF centre, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

void disc(QPainter &p, QPointF centre, double r, const QColor &c, double outlineWidth)
{
    filled(p, oval(centre, r, r), c, outlineWidth);
}

void scatterNotes(QPainter &p, const QRectF &area, int count, Rng &rng, double minSize,
                  double maxSize, const std::vector<QColor> &colours,
                  const std::vector<QRectF> &keepClear)
{
    static constexpr NoteKind kinds[] = {NoteKind::Croche, NoteKind::Noire, NoteKind::DoubleCroche,
                                         NoteKind::Blanche};
    std::vector<QRectF> taken = keepClear; // notes do not pile up on one another either
    for (int i = 0; i < count; ++i) {
        for (int attempt = 0; attempt < 30; ++attempt) {
            const double size = rng.range(minSize, maxSize);
            // Drawn in its own statement: the order of a call's arguments is the compiler's.
            const double y = rng.range(area.top() + 3.6 * size, area.bottom() - size);
            const QPointF at(rng.range(area.left() + size, area.right() - 2 * size), y);
            const QRectF bounds(at.x() - size, at.y() - 3.6 * size, 2.8 * size, 4.3 * size);
            bool clear = area.contains(bounds);
            for (const QRectF &r : taken)
                clear = clear && !r.intersects(bounds);
            const NoteKind kind = kinds[rng.below(4)];
            const QColor c = colours[size_t(rng.below(int(colours.size())))];
            const double angle = rng.range(-20, 20);
            if (!clear)
                continue;
            note(p, at, size, kind, c, angle);
            taken.push_back(bounds);
            break;
        }
    }
}

void face(QPainter &p, QPointF centre, double w, bool blink, double smile)
{
    p.save();
    p.translate(centre);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 120, 130, 110));
    p.drawEllipse(QPointF(-0.36 * w, 0.16 * w), 0.1 * w, 0.065 * w);
    p.drawEllipse(QPointF(0.36 * w, 0.16 * w), 0.1 * w, 0.065 * w);
    for (double side : {-1.0, 1.0}) {
        const QPointF eye(side * 0.2 * w, -0.06 * w);
        if (blink) {
            p.setPen(QPen(colour::ink, 0.05 * w, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(eye.x() - 0.1 * w, eye.y() - 0.06 * w, 0.2 * w, 0.12 * w), 200 * 16,
                      140 * 16);
            p.setPen(Qt::NoPen);
        } else {
            p.setBrush(Qt::white);
            p.setPen(QPen(colour::ink, 0.03 * w));
            p.drawEllipse(eye, 0.11 * w, 0.14 * w);
            p.setPen(Qt::NoPen);
            p.setBrush(colour::ink);
            p.drawEllipse(eye + QPointF(0.01 * w, 0.03 * w), 0.065 * w, 0.08 * w);
            p.setBrush(Qt::white);
            p.drawEllipse(eye + QPointF(0.035 * w, 0.0), 0.022 * w, 0.022 * w);
        }
    }
    QPainterPath mouth(QPointF(-0.17 * w, 0.14 * w));
    mouth.cubicTo(QPointF(-0.1 * w, (0.14 + 0.2 * smile) * w),
                  QPointF(0.1 * w, (0.14 + 0.2 * smile) * w), QPointF(0.17 * w, 0.14 * w));
    if (smile > 0.7) {
        mouth.closeSubpath();
        p.setPen(QPen(colour::ink, 0.04 * w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(0xA8, 0x1E, 0x2C));
    } else {
        p.setPen(QPen(colour::ink, 0.05 * w, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
    }
    p.drawPath(mouth);
    p.restore();
}

void guitar(QPainter &p, const QColor &body)
{
    p.setPen(inkPen(2));
    p.setBrush(QColor(0x5A, 0x30, 0x18));
    p.drawRect(QRectF(-4.5, -44, 9, 40));
    p.drawRoundedRect(QRectF(-7.5, -54, 15, 12), 3, 3);
    p.setBrush(colour::gold);
    for (double y : {-51.0, -46.0}) {
        p.drawEllipse(QPointF(-10, y), 2.2, 2.2);
        p.drawEllipse(QPointF(10, y), 2.2, 2.2);
    }
    QPainterPath shape;
    shape.addEllipse(QPointF(0, 6), 17, 16);
    QPainterPath lower;
    lower.addEllipse(QPointF(0, 28), 22, 20);
    shape = shape.united(lower);
    QRadialGradient g(QPointF(-6, 16), 40);
    g.setColorAt(0, body.lighter(135));
    g.setColorAt(1, body);
    p.setBrush(g);
    p.drawPath(shape);
    p.setBrush(colour::ink);
    p.drawEllipse(QPointF(0, 10), 6.5, 6.5);
    p.setBrush(QColor(0x5A, 0x30, 0x18));
    p.drawRoundedRect(QRectF(-9, 36, 18, 4), 1.5, 1.5);
    p.setPen(QPen(QColor(240, 240, 230), 0.8));
    for (double x : {-2.6, -0.9, 0.9, 2.6})
        p.drawLine(QPointF(x, -44), QPointF(x, 37));
}

void violin(QPainter &p, double bowPhase)
{
    p.setPen(inkPen(2));
    QPainterPath body;
    body.addEllipse(QPointF(0, -6), 15, 13);
    QPainterPath lower;
    lower.addEllipse(QPointF(0, 20), 19, 16);
    QPainterPath waist;
    waist.addRect(QRectF(-10, -6, 20, 26));
    body = body.united(lower).united(waist);
    QRadialGradient g(QPointF(-5, 4), 36);
    g.setColorAt(0, QColor(0xE0, 0x8A, 0x3A));
    g.setColorAt(1, QColor(0x9A, 0x45, 0x18));
    p.setBrush(g);
    p.drawPath(body);
    p.setBrush(colour::ink);
    p.drawRect(QRectF(-3, -46, 6, 34));
    p.drawEllipse(QPointF(0, -48), 4.5, 4.5);
    QPainterPath tail(QPointF(-4, 22));
    tail.lineTo(4, 22);
    tail.lineTo(2.5, 34);
    tail.lineTo(-2.5, 34);
    tail.closeSubpath();
    p.drawPath(tail);
    p.setPen(QPen(colour::ink, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (double side : {-1.0, 1.0}) {
        QPainterPath f(QPointF(side * 8, 2));
        f.cubicTo(QPointF(side * 12, 6), QPointF(side * 5, 12), QPointF(side * 9, 16));
        p.drawPath(f);
    }
    p.setPen(QPen(QColor(240, 240, 230), 0.7));
    for (double x : {-1.8, -0.6, 0.6, 1.8})
        p.drawLine(QPointF(x, -44), QPointF(x, 23));
    // The bow crosses the strings and slides along its own length.
    const QPointF dir(0.93, 0.37);
    const QPointF mid = QPointF(0, 10) + dir * ((bowPhase - 0.5) * 36);
    const QPointF a = mid - dir * 48, b = mid + dir * 48;
    p.setPen(QPen(QColor(0x4A, 0x26, 0x10), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    p.setPen(QPen(QColor(250, 245, 225), 1.2));
    p.drawLine(a + QPointF(0.6, 3), b + QPointF(0.6, 3));
    p.setPen(inkPen(1));
    p.setBrush(colour::ink);
    p.drawRect(QRectF(a.x() - 2, a.y() - 1, 6, 5));
}

void trumpet(QPainter &p, double pulse)
{
    const QColor brass = colour::gold;
    p.setPen(QPen(colour::ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour::ink, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawRoundedRect(QRectF(-28, 0, 44, 16), 8, 8);
    p.setPen(QPen(brass, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawRoundedRect(QRectF(-28, 0, 44, 16), 8, 8);
    p.setPen(inkPen(2));
    p.setBrush(brass);
    p.drawRect(QRectF(-46, -4, 64, 7));
    p.drawRect(QRectF(-52, -5, 8, 9));
    for (double x : {-16.0, -6.0, 4.0}) {
        p.drawRect(QRectF(x, -16, 6, 12));
        p.drawRect(QRectF(x - 1.5, -20, 9, 4));
    }
    const double flare = 18 + 5 * pulse;
    QPainterPath bell(QPointF(16, -4));
    bell.cubicTo(QPointF(30, -5), QPointF(40, -flare + 4), QPointF(46, -flare));
    bell.lineTo(46, flare - 1);
    bell.cubicTo(QPointF(40, flare - 5), QPointF(30, 4), QPointF(16, 3));
    bell.closeSubpath();
    QLinearGradient g(QPointF(16, 0), QPointF(46, 0));
    g.setColorAt(0, brass);
    g.setColorAt(1, brass.lighter(125));
    p.setBrush(g);
    p.drawPath(bell);
    p.setBrush(QColor(0xC8, 0x8C, 0x10));
    p.drawEllipse(QPointF(46, -0.5), 4, flare - 0.5);
}

void drum(QPainter &p, double phase)
{
    p.setPen(inkPen(2));
    p.setBrush(colour::red);
    p.drawRect(QRectF(-36, -8, 72, 40));
    p.setBrush(colour::red.darker(115));
    p.drawEllipse(QPointF(0, 32), 36, 10);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(-35, 20, 70, 12));
    p.setPen(QPen(colour::gold, 2.2));
    QPainterPath cords(QPointF(-34, -4));
    for (int i = 0; i < 7; ++i)
        cords.lineTo(-34 + 68.0 * (i + 0.5) / 7, (i % 2 ? -4 : 28));
    cords.lineTo(34, -4);
    p.drawPath(cords);
    p.setPen(inkPen(2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(-37, 24, 74, 6));
    // The sticks strike in turn: the left one at phase 0, the right one at 0.5.
    const double strikes[] = {std::max(0.0, std::cos(2 * pi * phase)),
                              std::max(0.0, -std::cos(2 * pi * phase))};
    p.setBrush(colour::cream);
    p.drawEllipse(QPointF(0, -8), 36, 11 - 2.5 * std::max(strikes[0], strikes[1]));
    for (int i = 0; i < 2; ++i) {
        const double side = i == 0 ? -1 : 1;
        const double hit = strikes[i];
        const QPointF tip(side * 12, -30 + 20 * hit);
        const QPointF end(side * 44, -52 + 12 * hit);
        p.setPen(QPen(colour::wood, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(end, tip);
        p.setPen(inkPen(1.5));
        p.setBrush(colour::cream);
        p.drawEllipse(tip, 4, 4);
        if (hit > 0.5) {
            p.setPen(QPen(colour::orange, 2.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(tip + QPointF(side * 8, -6), tip + QPointF(side * 14, -11));
            p.drawLine(tip + QPointF(side * 10, 0), tip + QPointF(side * 18, 0));
        }
    }
}

void piano(QPainter &p, int pressedKey)
{
    p.setPen(inkPen(2));
    p.setBrush(QColor(0x4A, 0x22, 0x12));
    p.drawRect(QRectF(-38, 30, 6, 14));
    p.drawRect(QRectF(32, 30, 6, 14));
    QLinearGradient g(QPointF(0, -40), QPointF(0, 30));
    g.setColorAt(0, QColor(0x9C, 0x4A, 0x22));
    g.setColorAt(1, QColor(0x6B, 0x2E, 0x14));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(-42, -38, 84, 70), 4, 4);
    p.setBrush(QColor(0x5A, 0x26, 0x10));
    p.drawRect(QRectF(-46, -42, 92, 8));
    p.drawRect(QRectF(-46, 2, 92, 6));
    pianoKeys(p, QRectF(-40, 8, 80, 18), 10, pressedKey);
}

void saxophone(QPainter &p)
{
    const QColor brass = colour::gold;
    QPainterPath tube(QPointF(-8, -46));
    tube.cubicTo(QPointF(-2, -48), QPointF(4, -44), QPointF(4, -34));
    tube.lineTo(4, 22);
    tube.cubicTo(QPointF(4, 40), QPointF(28, 40), QPointF(28, 18));
    tube.lineTo(30, 0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour::ink, 15, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tube);
    p.setPen(QPen(brass, 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tube);
    p.setPen(inkPen(2));
    p.setBrush(brass.lighter(110));
    QPainterPath bell(QPointF(22, 6));
    bell.lineTo(18, -8);
    bell.lineTo(42, -8);
    bell.lineTo(36, 6);
    bell.closeSubpath();
    p.drawPath(bell);
    p.setBrush(QColor(0xC8, 0x8C, 0x10));
    p.drawEllipse(QPointF(30, -8), 12, 3.5);
    p.setBrush(colour::ink);
    p.drawRect(QRectF(-14, -49, 7, 6));
    p.setBrush(colour::cream);
    for (double y = -26; y <= 18; y += 9)
        p.drawEllipse(QPointF(4, y), 3, 3);
}

void maraca(QPainter &p, const QColor &c)
{
    p.setPen(inkPen(2));
    p.setBrush(colour::wood);
    p.drawRoundedRect(QRectF(-4.5, 0, 9, 44), 4, 4);
    QRadialGradient g(QPointF(-6, -26), 30);
    g.setColorAt(0, c.lighter(140));
    g.setColorAt(1, c);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, -18), 17, 23);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::cream);
    for (int i = 0; i < 6; ++i) {
        const double a = 2 * pi * i / 6;
        p.drawEllipse(QPointF(9 * std::cos(a), -18 + 12 * std::sin(a)), 2.6, 2.6);
    }
    p.drawEllipse(QPointF(0, -18), 2.6, 2.6);
}

void xylophone(QPainter &p, double malletPhase)
{
    static const QColor bars[] = {QColor(0xE5, 0x3B, 0x3B), QColor(0xF3, 0x8C, 0x2C),
                                  QColor(0xF6, 0xC3, 0x3C), QColor(0x7C, 0xB8, 0x3A),
                                  QColor(0x2E, 0xA5, 0x8F), QColor(0x3D, 0x8B, 0xD6),
                                  QColor(0x6C, 0x5B, 0xC9), QColor(0xB0, 0x4C, 0xB8)};
    const int hit = std::min(7, int(malletPhase * 8));
    p.setPen(QPen(QColor(0x5A, 0x30, 0x18), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-46, 0), QPointF(46, 6));
    p.drawLine(QPointF(-46, 26), QPointF(46, 20));
    for (int i = 0; i < 8; ++i) {
        const double x = -44 + i * 11.2;
        const double h = 44 - i * 3.2;
        const double y = 13 - h / 2 + (i == hit ? 2 : 0);
        p.setPen(inkPen(1.6));
        p.setBrush(i == hit ? bars[i].lighter(130) : bars[i]);
        p.drawRoundedRect(QRectF(x, y, 9, h), 2, 2);
        p.setBrush(colour::cream);
        p.drawEllipse(QPointF(x + 4.5, y + 4), 1.2, 1.2);
        p.drawEllipse(QPointF(x + 4.5, y + h - 4), 1.2, 1.2);
    }
    const double hx = -44 + hit * 11.2 + 4.5;
    const double hy = 13 - (44 - hit * 3.2) / 2 - 2;
    p.setPen(QPen(colour::wood, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(hx + 22, hy - 34), QPointF(hx + 2, hy - 4));
    p.setPen(inkPen(1.5));
    p.setBrush(colour::red);
    p.drawEllipse(QPointF(hx + 1, hy - 3), 4.5, 4.5);
}

void microphone(QPainter &p)
{
    p.setPen(inkPen(2));
    QLinearGradient h(QPointF(-8, 0), QPointF(8, 0));
    h.setColorAt(0, QColor(0x40, 0x40, 0x48));
    h.setColorAt(1, QColor(0x20, 0x20, 0x26));
    p.setBrush(h);
    QPainterPath handle(QPointF(-9, -6));
    handle.lineTo(9, -6);
    handle.lineTo(5, 44);
    handle.lineTo(-5, 44);
    handle.closeSubpath();
    p.drawPath(handle);
    p.setBrush(colour::gold);
    p.drawRect(QRectF(-11, -10, 22, 7));
    QRadialGradient g(QPointF(-6, -32), 26);
    g.setColorAt(0, QColor(0xF2, 0xF2, 0xF2));
    g.setColorAt(1, QColor(0x9A, 0x9A, 0xA2));
    p.setBrush(g);
    p.drawEllipse(QPointF(0, -26), 17, 17);
    p.setPen(QPen(QColor(0x70, 0x70, 0x78), 1));
    p.setBrush(Qt::NoBrush);
    p.save();
    QPainterPath clip;
    clip.addEllipse(QPointF(0, -26), 16, 16);
    p.setClipPath(clip);
    for (double d = -40; d <= 40; d += 5) {
        p.drawLine(QPointF(d - 20, -46), QPointF(d + 20, -6));
        p.drawLine(QPointF(d + 20, -46), QPointF(d - 20, -6));
    }
    p.restore();
}

void flute(QPainter &p)
{
    QLinearGradient silver(QPointF(0, -4), QPointF(0, 4));
    silver.setColorAt(0, QColor(0xF4, 0xF6, 0xFA));
    silver.setColorAt(0.5, QColor(0xB8, 0xC0, 0xCC));
    silver.setColorAt(1, QColor(0x78, 0x80, 0x8C));
    p.setPen(QPen(colour::ink, 1.2));
    p.setBrush(silver);
    p.drawRoundedRect(QRectF(-48, -3.5, 96, 7), 2, 2);
    p.drawRect(QRectF(-30, -4.2, 3, 8.4));
    p.drawRect(QRectF(24, -4.2, 3, 8.4));
    p.setBrush(colour::ink);
    p.drawEllipse(QPointF(-38, 0), 2.2, 1.6);
    p.setBrush(QColor(0xE0, 0xE4, 0xEA));
    for (double x = -16; x <= 40; x += 7)
        p.drawEllipse(QPointF(x, 0), 2.6, 2.6);
}

void metronome(QPainter &p, double swing)
{
    p.setPen(inkPen(2));
    QPainterPath body(QPointF(-28, 44));
    body.lineTo(28, 44);
    body.lineTo(12, -44);
    body.lineTo(-12, -44);
    body.closeSubpath();
    QLinearGradient g(QPointF(-28, 0), QPointF(28, 0));
    g.setColorAt(0, QColor(0xA8, 0x52, 0x20));
    g.setColorAt(1, QColor(0x70, 0x30, 0x12));
    p.setBrush(g);
    p.drawPath(body);
    QPainterPath face(QPointF(-16, 28));
    face.lineTo(16, 28);
    face.lineTo(7, -36);
    face.lineTo(-7, -36);
    face.closeSubpath();
    p.setBrush(colour::cream);
    p.drawPath(face);
    p.setPen(QPen(colour::brown, 1.2));
    for (int i = 0; i < 8; ++i) {
        const double y = -30 + i * 7;
        const double half = 6 + (y + 36) * 0.12;
        p.drawLine(QPointF(-half * 0.4, y), QPointF(half * 0.4, y));
    }
    p.save();
    p.translate(0, 30);
    p.rotate(swing * 26);
    p.setPen(QPen(colour::ink, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(0, -70));
    p.setPen(inkPen(1.5));
    p.setBrush(colour::gold);
    p.drawRect(QRectF(-6, -52, 12, 9));
    p.restore();
    p.setBrush(colour::ink);
    p.drawEllipse(QPointF(0, 30), 4, 4);
}

void trebleClef(QPainter &p, const QColor &c)
{
    QPainterPath path(QPointF(-7, 38));
    path.cubicTo(QPointF(-7, 48), QPointF(9, 48), QPointF(7, 34));
    path.lineTo(1, -30);
    path.cubicTo(QPointF(-1, -48), QPointF(14, -52), QPointF(11, -34));
    path.cubicTo(QPointF(9, -20), QPointF(-18, -12), QPointF(-17, 8));
    path.cubicTo(QPointF(-16, 26), QPointF(16, 28), QPointF(15, 10));
    path.cubicTo(QPointF(14, -2), QPointF(-4, -4), QPointF(-4, 8));
    path.cubicTo(QPointF(-4, 14), QPointF(1, 17), QPointF(4, 15));
    p.setPen(QPen(c, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(-6, 37), 5, 5);
}

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

void begin(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

bool saveJpeg(const QImage &img, const QDir &out, const QString &relative)
{
    QImageWriter w(out.filePath(relative), "jpg");
    w.setQuality(88);
    w.setOptimizedWrite(true);
    return w.write(img);
}

void bassClef(QPainter &p, QPointF faLine, double space, const QColor &c)
{
    const double s = space, x = faLine.x(), y = faLine.y();
    QPainterPath body(QPointF(x, y));
    body.cubicTo(QPointF(x + 0.05 * s, y - 0.95 * s), QPointF(x + 0.9 * s, y - 1.15 * s),
                 QPointF(x + 1.35 * s, y - 0.85 * s));
    body.cubicTo(QPointF(x + 2.0 * s, y - 0.45 * s), QPointF(x + 1.9 * s, y + 0.75 * s),
                 QPointF(x + 1.2 * s, y + 1.45 * s));
    body.cubicTo(QPointF(x + 0.85 * s, y + 1.85 * s), QPointF(x + 0.4 * s, y + 2.25 * s),
                 QPointF(x - 0.15 * s, y + 2.55 * s));
    p.setPen(QPen(c, 0.27 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(x + 0.12 * s, y), 0.36 * s, 0.36 * s);
    p.drawEllipse(QPointF(x + 2.3 * s, y - 0.5 * s), 0.16 * s, 0.16 * s);
    p.drawEllipse(QPointF(x + 2.3 * s, y + 0.5 * s), 0.16 * s, 0.16 * s);
}

void wholeNoteHead(QPainter &p, QPointF centre, double space, const QColor &c)
{
    QPainterPath head;
    head.addEllipse(centre, 0.82 * space, 0.52 * space);
    QPainterPath hole;
    hole.addEllipse(QPointF(0, 0), 0.3 * space, 0.46 * space);
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(-40);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(head.subtracted(t.map(hole)));
}

} // namespace gen
