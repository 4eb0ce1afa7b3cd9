// The subject packs' pictures, at the question picture's size: musical signs on a staff for the
// lexicon pack, instruments for the instruments pack, a title card for each pack (the musicians'
// portraits come from portraitcards.cpp). Also the pictures that the sample question text files
// show. Notation is drawn in ink on paper, with the proportions of engraved music, so that a
// class recognises what it will meet in a score.
#include "packs.h"
#include "draw.h"
#include "generator.h"

#include <QPainterPath>

#include <cmath>
#include <functional>
#include <initializer_list>

namespace gen {

namespace {

const QColor paper(0xFF, 0xFB, 0xF0);

// Positions count diatonic steps up from the bottom line: 0 the bottom line, 1 the space above
// it, 8 the top line; below the staff they go negative (-2 is the first ledger line).
struct Staff {
    double left, right, top, s;
    double line(int i) const { return top + i * s; } // 0 the top line .. 4 the bottom one
    double y(int step) const { return top + 4 * s - step * s / 2; }
    double middle() const { return line(2); }
};

QPen inkPen(double width, Qt::PenCapStyle cap = Qt::RoundCap)
{
    return QPen(colour::ink, width, Qt::SolidLine, cap, Qt::RoundJoin);
}

QFont serif(double pixelSize, bool italic)
{
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(int(std::lround(pixelSize)));
    f.setBold(true);
    f.setItalic(italic);
    return f;
}

void drawStaff(QPainter &p, const Staff &st)
{
    p.setPen(inkPen(std::max(1.2, st.s * 0.09), Qt::FlatCap));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(st.left, st.line(i)), QPointF(st.right, st.line(i)));
}

void ledgerLines(QPainter &p, const Staff &st, double x, int step)
{
    p.setPen(inkPen(std::max(1.2, st.s * 0.09), Qt::FlatCap));
    for (int l = -2; l >= step; l -= 2)
        p.drawLine(QPointF(x - st.s, st.y(l)), QPointF(x + st.s, st.y(l)));
    for (int l = 10; l <= step; l += 2)
        p.drawLine(QPointF(x - st.s, st.y(l)), QPointF(x + st.s, st.y(l)));
}

// A note with its stem up (the pictures keep notes on the lower half, where stems go up).
void noteAt(QPainter &p, const Staff &st, double x, int step, NoteKind kind)
{
    ledgerLines(p, st, x, step);
    note(p, QPointF(x, st.y(step)), st.s, kind, colour::ink);
}

void wholeNote(QPainter &p, const Staff &st, double x, int step)
{
    ledgerLines(p, st, x, step);
    wholeNoteHead(p, QPointF(x, st.y(step)), st.s, colour::ink);
}

// The augmentation dot sits in a space: a note on a line has it in the space above.
void dotAfter(QPainter &p, const Staff &st, double x, int step)
{
    const double y = st.y(step % 2 == 0 ? step + 1 : step);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::ink);
    p.drawEllipse(QPointF(x + 1.35 * st.s, y), 0.2 * st.s, 0.2 * st.s);
}

void trebleClefOn(QPainter &p, const Staff &st, double x)
{
    // The clef's unit box has its curl at y = 10; it wraps the second line from the bottom.
    const double k = st.s * 4.5 / 62;
    Placed at(p, QPointF(x, st.line(3) - 10 * k), 100 * k);
    trebleClef(p, colour::ink);
}

void bassClefOn(QPainter &p, const Staff &st, double x)
{
    // Its head sits on the fourth line from the bottom.
    bassClef(p, QPointF(x, st.line(1)), st.s, colour::ink);
}

// Two upright strokes and two rising bars, the right stroke mirroring the left one: the sharp
// and the natural differ only in their extents (in spaces, from the note's position).
void uprightsAndBars(QPainter &p, const Staff &st, double x, int step, double stemX, double stemTop,
                     double stemBottom, double barHalf, double barY)
{
    const double s = st.s, y = st.y(step), rise = 0.28 * s;
    p.setPen(inkPen(0.11 * s, Qt::FlatCap));
    p.drawLine(QPointF(x - stemX * s, y + stemTop * s), QPointF(x - stemX * s, y + stemBottom * s));
    p.drawLine(QPointF(x + stemX * s, y - stemBottom * s), QPointF(x + stemX * s, y - stemTop * s));
    p.setPen(inkPen(0.27 * s, Qt::FlatCap));
    for (double bar : {-barY, barY})
        p.drawLine(QPointF(x - barHalf * s, y + bar * s + rise / 2),
                   QPointF(x + barHalf * s, y + bar * s - rise / 2));
}

void sharpAt(QPainter &p, const Staff &st, double x, int step)
{
    uprightsAndBars(p, st, x, step, 0.22, -1.3, 1.45, 0.55, 0.45);
}

void naturalAt(QPainter &p, const Staff &st, double x, int step)
{
    uprightsAndBars(p, st, x, step, 0.28, -1.4, 0.55, 0.28, 0.38);
}

void flatAt(QPainter &p, const Staff &st, double x, int step)
{
    const double s = st.s, y = st.y(step);
    p.setPen(inkPen(0.15 * s, Qt::FlatCap));
    p.drawLine(QPointF(x - 0.35 * s, y - 2.2 * s), QPointF(x - 0.35 * s, y + 0.6 * s));
    QPainterPath bowl(QPointF(x - 0.35 * s, y + 0.55 * s));
    bowl.cubicTo(QPointF(x + 0.5 * s, y + 0.05 * s), QPointF(x + 0.8 * s, y - 0.75 * s),
                 QPointF(x + 0.05 * s, y - 0.7 * s));
    bowl.cubicTo(QPointF(x - 0.15 * s, y - 0.65 * s), QPointF(x - 0.35 * s, y - 0.45 * s),
                 QPointF(x - 0.35 * s, y - 0.25 * s));
    p.setPen(inkPen(0.26 * s));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bowl);
}

void wholeRest(QPainter &p, const Staff &st, double x)
{
    // Hangs under the fourth line from the bottom.
    p.fillRect(QRectF(x - 0.6 * st.s, st.line(1), 1.2 * st.s, 0.5 * st.s), colour::ink);
}

void halfRest(QPainter &p, const Staff &st, double x)
{
    // Sits on the middle line.
    p.fillRect(QRectF(x - 0.6 * st.s, st.middle() - 0.5 * st.s, 1.2 * st.s, 0.5 * st.s),
               colour::ink);
}

void quarterRest(QPainter &p, const Staff &st, double x)
{
    const double s = st.s, y = st.middle();
    auto at = [&](double dx, double dy) { return QPointF(x + dx * s, y + dy * s); };
    // A zigzag whose middle stroke is the thick one, ending in a hook that opens to the right.
    QPainterPath zig(at(-0.35, -1.55));
    zig.lineTo(at(0.3, -0.75));
    p.setPen(inkPen(0.2 * s));
    p.drawPath(zig);
    QPainterPath wedge(at(0.2, -0.95));
    wedge.lineTo(at(0.55, -0.55));
    wedge.lineTo(at(0.05, 0.1));
    wedge.lineTo(at(-0.32, -0.25));
    wedge.closeSubpath();
    p.setPen(inkPen(0.08 * s));
    p.setBrush(colour::ink);
    p.drawPath(wedge);
    QPainterPath tail(at(-0.15, -0.15));
    tail.lineTo(at(0.45, 0.6));
    tail.cubicTo(at(-0.05, 0.35), at(-0.5, 0.75), at(0.1, 1.5));
    p.setPen(inkPen(0.26 * s));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);
}

void eighthRest(QPainter &p, const Staff &st, double x)
{
    const double s = st.s, y = st.middle();
    auto at = [&](double dx, double dy) { return QPointF(x + dx * s, y + dy * s); };
    p.setPen(Qt::NoPen);
    p.setBrush(colour::ink);
    p.drawEllipse(at(-0.35, -0.5), 0.24 * s, 0.24 * s);
    QPainterPath stroke(at(-0.35, -0.3));
    stroke.quadTo(at(0.1, -0.15), at(0.45, -0.7));
    stroke.lineTo(at(-0.05, 1.0));
    p.setPen(inkPen(0.13 * s));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stroke);
}

// A slur or a tie: a thin crescent from one point to another, bowed by `bulge` pixels.
void curve(QPainter &p, QPointF from, QPointF to, double bulge)
{
    const QPointF mid = (from + to) / 2;
    QPainterPath c(from);
    c.quadTo(mid + QPointF(0, 2 * bulge), to);
    c.quadTo(mid + QPointF(0, 1.5 * bulge), from);
    p.setPen(inkPen(1.0));
    p.setBrush(colour::ink);
    p.drawPath(c);
}

void timeSignature(QPainter &p, const Staff &st, double x, const QString &top,
                   const QString &bottom)
{
    p.setPen(colour::ink);
    p.setFont(serif(2.5 * st.s, false));
    const QRectF upper(x - 1.5 * st.s, st.line(0) - 0.25 * st.s, 3 * st.s, 2.4 * st.s);
    p.drawText(upper, Qt::AlignCenter, top);
    p.drawText(upper.translated(0, 2 * st.s), Qt::AlignCenter, bottom);
}

void barline(QPainter &p, const Staff &st, double x, double width)
{
    p.fillRect(QRectF(x - width / 2, st.line(0), width, 4 * st.s), colour::ink);
}

void dynamic(QPainter &p, const QRectF &r, const QString &text)
{
    p.setPen(colour::ink);
    p.setFont(serif(48, true));
    p.drawText(r, Qt::AlignCenter, text);
}

// Three notes climbing on the lower half of the staff, after a treble clef.
std::vector<double> phrase(QPainter &p, const Staff &st)
{
    trebleClefOn(p, st, st.left + 1.2 * st.s);
    const std::vector<double> xs{st.left + 4.0 * st.s, st.left + 6.4 * st.s, st.left + 8.8 * st.s};
    for (int i = 0; i < 3; ++i)
        noteAt(p, st, xs[size_t(i)], 1 + i, NoteKind::Noire);
    return xs;
}

using Drawing = std::function<void(QPainter &, const Staff &)>;

// Paper with a thin border and a staff across it, on which `draw` writes its signs.
QImage signOnStaff(const Drawing &draw, double spacing = 12, double top = 56)
{
    QImage img = canvas(pictureWidth, pictureHeight);
    QPainter p(&img);
    begin(p);
    p.fillRect(img.rect(), paper);
    p.setPen(QPen(colour::peach.darker(115), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, pictureWidth - 2, pictureHeight - 2));
    const Staff st{6, pictureWidth - 6.0, top, spacing};
    drawStaff(p, st);
    draw(p, st);
    return img;
}

// A sign on a staff that begins with a treble clef: most of the notation pictures.
QImage signWithClef(const Drawing &draw, double spacing = 14)
{
    return signOnStaff(
        [&](QPainter &p, const Staff &st) {
            trebleClefOn(p, st, st.left + 1.2 * spacing);
            draw(p, st);
        },
        spacing, 68);
}

QImage singleNote(NoteKind kind, bool dotted)
{
    return signWithClef([=](QPainter &p, const Staff &st) {
        noteAt(p, st, 86, 3, kind);
        if (dotted)
            dotAfter(p, st, 86, 3);
    });
}

QImage nuance(const QString &text)
{
    return signOnStaff([&](QPainter &p, const Staff &st) {
        phrase(p, st);
        dynamic(p, QRectF(0, 130, pictureWidth, 60), text);
    });
}

QImage hairpin(bool opening)
{
    return signOnStaff([=](QPainter &p, const Staff &st) {
        phrase(p, st);
        const double x1 = 22, x2 = 128, y = 152, half = 11;
        p.setPen(inkPen(2.4));
        const QPointF point(opening ? x1 : x2, y);
        const double open = opening ? x2 : x1;
        p.drawLine(point, QPointF(open, y - half));
        p.drawLine(point, QPointF(open, y + half));
    });
}

QImage metre(const QString &top, const QString &bottom)
{
    return signWithClef([&](QPainter &p, const Staff &st) {
        if (bottom.isEmpty()) {
            // Common time, a C across the middle line.
            p.setPen(colour::ink);
            p.setFont(serif(3.4 * st.s, false));
            p.drawText(QRectF(70, st.middle() - 2 * st.s, 40, 4 * st.s), Qt::AlignCenter, top);
        } else {
            timeSignature(p, st, 90, top, bottom);
        }
    });
}

QImage titleCard(const QString &line1, const QString &line2, std::uint32_t seed)
{
    QImage img = canvas(pictureWidth, pictureHeight);
    QPainter p(&img);
    begin(p);
    verticalGradient(p, img.rect(), colour::plum, colour::coral);
    Rng rng(seed);
    const QRectF band(4, 66, pictureWidth - 8, 68);
    scatterNotes(p, img.rect(), 14, rng, 14, 26, {colour::cream, colour::gold, colour::peach},
                 {band});
    const QRectF upper(band.left(), band.top(), band.width(), band.height() / 2);
    textOutlined(p, upper, line1, font(18), colour::gold, colour::ink, 2.5);
    textOutlined(p, upper.translated(0, upper.height()), line2, font(18), colour::gold, colour::ink,
                 2.5);
    return img;
}

QImage instrumentPicture(const std::function<void(QPainter &)> &draw, double size = 125)
{
    QImage img = canvas(pictureWidth, pictureHeight);
    QPainter p(&img);
    begin(p);
    verticalGradient(p, img.rect(), QColor(0xE8, 0xF4, 0xFF), colour::cream);
    Placed at(p, QPointF(73, 100), size);
    draw(p);
    return img;
}

// A concert harp in the unit box: the pillar on the left, the curved neck on top, the
// sound box slanting down to the base, and the strings between neck and sound box.
void harp(QPainter &p)
{
    const QPointF base(-28, 44), top(-30, -44), end(30, -26);
    QPainterPath neck(top);
    neck.cubicTo(QPointF(-12, -58), QPointF(8, -22), end);
    auto soundBoxY = [&](double x) {
        return end.y() + (end.x() - x) * (base.y() - end.y()) / (end.x() - (base.x() + 6));
    };
    p.setPen(QPen(QColor(0x8A, 0x6A, 0x4A), 0.9));
    for (int i = 1; i < 16; ++i) {
        const QPointF at = neck.pointAtPercent(i / 16.0);
        if (at.x() > -26)
            p.drawLine(at, QPointF(at.x(), soundBoxY(at.x())));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour::ink, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(neck);
    p.setPen(QPen(colour::wood, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(neck);
    QPainterPath pillar(top);
    pillar.lineTo(base);
    QPainterPath box(end);
    box.lineTo(base + QPointF(6, 0));
    for (const auto &[part, width] : {std::pair{pillar, 7.0}, std::pair{box, 11.0}}) {
        p.setPen(QPen(colour::ink, width + 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(part);
        p.setPen(QPen(colour::gold, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(part);
    }
    p.setPen(QPen(colour::ink, 2));
    p.setBrush(colour::wood);
    p.drawRoundedRect(QRectF(base.x() - 8, base.y() - 2, 26, 7), 2, 2);
}

QImage twoMaracas()
{
    QImage img = canvas(pictureWidth, pictureHeight);
    QPainter p(&img);
    begin(p);
    verticalGradient(p, img.rect(), QColor(0xE8, 0xF4, 0xFF), colour::cream);
    {
        Placed left(p, QPointF(52, 100), 110, -18);
        maraca(p, colour::coral);
    }
    Placed right(p, QPointF(94, 100), 110, 18);
    maraca(p, colour::teal);
    return img;
}

QImage vinylRecord()
{
    QImage img = canvas(pictureWidth, pictureHeight);
    QPainter p(&img);
    begin(p);
    verticalGradient(p, img.rect(), QColor(0xE8, 0xF4, 0xFF), colour::cream);
    const QPointF c(73, 100);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x18, 0x18, 0x1C));
    p.drawEllipse(c, 66, 66);
    p.setBrush(Qt::NoBrush);
    for (int r = 26; r < 64; r += 3) {
        p.setPen(QPen(QColor(0x3A, 0x3A, 0x44), 0.8));
        p.drawEllipse(c, r, r);
    }
    p.setPen(QPen(QColor(255, 255, 255, 70), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - 50, c.y() - 50, 100, 100), 30 * 16, 40 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::red);
    p.drawEllipse(c, 22, 22);
    p.setBrush(paper);
    p.drawEllipse(c, 3, 3);
    return img;
}

std::vector<Picture> notation()
{
    std::vector<Picture> v;
    v.push_back(
        {QStringLiteral("CLE_DE_SOL"),
         signOnStaff([](QPainter &p, const Staff &st) { trebleClefOn(p, st, 60); }, 16, 66)});
    v.push_back({QStringLiteral("CLE_DE_FA"),
                 signOnStaff([](QPainter &p, const Staff &st) { bassClefOn(p, st, 48); }, 16, 66)});
    v.push_back({QStringLiteral("PORTEE"), signOnStaff([](QPainter &, const Staff &) {}, 16, 66)});
    v.push_back({QStringLiteral("RONDE"),
                 signWithClef([](QPainter &p, const Staff &st) { wholeNote(p, st, 86, 3); })});
    v.push_back({QStringLiteral("BLANCHE"), singleNote(NoteKind::Blanche, false)});
    v.push_back({QStringLiteral("NOIRE"), singleNote(NoteKind::Noire, false)});
    v.push_back({QStringLiteral("CROCHE"), singleNote(NoteKind::Croche, false)});
    v.push_back({QStringLiteral("DOUBLE_CROCHE"), singleNote(NoteKind::DoubleCroche, false)});
    v.push_back({QStringLiteral("NOIRE_POINTEE"), singleNote(NoteKind::Noire, true)});
    v.push_back({QStringLiteral("BLANCHE_POINTEE"), singleNote(NoteKind::Blanche, true)});
    v.push_back({QStringLiteral("PAUSE"),
                 signWithClef([](QPainter &p, const Staff &st) { wholeRest(p, st, 88); })});
    v.push_back({QStringLiteral("DEMI_PAUSE"),
                 signWithClef([](QPainter &p, const Staff &st) { halfRest(p, st, 88); })});
    v.push_back({QStringLiteral("SOUPIR"),
                 signWithClef([](QPainter &p, const Staff &st) { quarterRest(p, st, 88); })});
    v.push_back({QStringLiteral("DEMI_SOUPIR"),
                 signWithClef([](QPainter &p, const Staff &st) { eighthRest(p, st, 88); })});
    v.push_back({QStringLiteral("DIESE"), signWithClef([](QPainter &p, const Staff &st) {
                     sharpAt(p, st, 70, 3);
                     noteAt(p, st, 96, 3, NoteKind::Noire);
                 })});
    v.push_back({QStringLiteral("BEMOL"), signWithClef([](QPainter &p, const Staff &st) {
                     flatAt(p, st, 70, 3);
                     noteAt(p, st, 96, 3, NoteKind::Noire);
                 })});
    v.push_back({QStringLiteral("BECARRE"), signWithClef([](QPainter &p, const Staff &st) {
                     naturalAt(p, st, 70, 3);
                     noteAt(p, st, 96, 3, NoteKind::Noire);
                 })});
    v.push_back({QStringLiteral("POINT_D_ORGUE"), signWithClef([](QPainter &p, const Staff &st) {
                     noteAt(p, st, 86, 3, NoteKind::Blanche);
                     // An arch over the staff with its dot beneath the top.
                     const double y = st.line(0) - 0.9 * st.s, w = 1.2 * st.s;
                     QPainterPath arch(QPointF(86 - w, y));
                     arch.cubicTo(QPointF(86 - w, y - 1.45 * st.s),
                                  QPointF(86 + w, y - 1.45 * st.s), QPointF(86 + w, y));
                     arch.cubicTo(QPointF(86 + w, y - 1.2 * st.s), QPointF(86 - w, y - 1.2 * st.s),
                                  QPointF(86 - w, y));
                     p.setPen(inkPen(1.2));
                     p.setBrush(colour::ink);
                     p.drawPath(arch);
                     p.drawEllipse(QPointF(86, y - 0.25 * st.s), 0.2 * st.s, 0.2 * st.s);
                 })});
    v.push_back({QStringLiteral("NUANCE_P"), nuance(QStringLiteral("p"))});
    v.push_back({QStringLiteral("NUANCE_PP"), nuance(QStringLiteral("pp"))});
    v.push_back({QStringLiteral("NUANCE_F"), nuance(QStringLiteral("f"))});
    v.push_back({QStringLiteral("NUANCE_FF"), nuance(QStringLiteral("ff"))});
    v.push_back({QStringLiteral("NUANCE_MF"), nuance(QStringLiteral("mf"))});
    v.push_back({QStringLiteral("CRESCENDO"), hairpin(true)});
    v.push_back({QStringLiteral("DECRESCENDO"), hairpin(false)});
    v.push_back({QStringLiteral("MESURE_2_4"), metre(QStringLiteral("2"), QStringLiteral("4"))});
    v.push_back({QStringLiteral("MESURE_3_4"), metre(QStringLiteral("3"), QStringLiteral("4"))});
    v.push_back({QStringLiteral("MESURE_6_8"), metre(QStringLiteral("6"), QStringLiteral("8"))});
    v.push_back({QStringLiteral("MESURE_C"), metre(QStringLiteral("C"), QString())});
    v.push_back({QStringLiteral("REPRISE"), signOnStaff(
                                                [](QPainter &p, const Staff &st) {
                                                    phrase(p, st);
                                                    const double x = st.right;
                                                    barline(p, st, x - 0.25 * st.s, 0.5 * st.s);
                                                    barline(p, st, x - 0.9 * st.s, 0.12 * st.s);
                                                    p.setPen(Qt::NoPen);
                                                    p.setBrush(colour::ink);
                                                    for (int step : {3, 5})
                                                        p.drawEllipse(
                                                            QPointF(x - 1.5 * st.s, st.y(step)),
                                                            0.22 * st.s, 0.22 * st.s);
                                                },
                                                11, 70)});
    v.push_back(
        {QStringLiteral("DOUBLE_BARRE"), signOnStaff(
                                             [](QPainter &p, const Staff &st) {
                                                 phrase(p, st);
                                                 barline(p, st, st.right - 0.25 * st.s, 0.5 * st.s);
                                                 barline(p, st, st.right - 0.9 * st.s, 0.12 * st.s);
                                             },
                                             11, 70)});
    v.push_back({QStringLiteral("STACCATO"),
                 signOnStaff(
                     [](QPainter &p, const Staff &st) {
                         const std::vector<double> xs = phrase(p, st);
                         p.setPen(Qt::NoPen);
                         p.setBrush(colour::ink);
                         for (int i = 0; i < 3; ++i)
                             p.drawEllipse(QPointF(xs[size_t(i)], st.y(1 + i) + 1.3 * st.s),
                                           0.2 * st.s, 0.2 * st.s);
                     },
                     11, 70)});
    v.push_back({QStringLiteral("LIAISON"), signOnStaff(
                                                [](QPainter &p, const Staff &st) {
                                                    const std::vector<double> xs = phrase(p, st);
                                                    curve(p, QPointF(xs[0], st.y(1) + 1.0 * st.s),
                                                          QPointF(xs[2], st.y(3) + 1.0 * st.s),
                                                          0.9 * st.s);
                                                },
                                                11, 70)});
    v.push_back({QStringLiteral("LIAISON_TENUE"), signWithClef([](QPainter &p, const Staff &st) {
                     noteAt(p, st, 62, 2, NoteKind::Noire);
                     noteAt(p, st, 104, 2, NoteKind::Noire);
                     curve(p, QPointF(66, st.y(2) + 0.8 * st.s), QPointF(100, st.y(2) + 0.8 * st.s),
                           0.6 * st.s);
                 })});
    v.push_back(
        {QStringLiteral("ACCENT"), signWithClef([](QPainter &p, const Staff &st) {
             noteAt(p, st, 86, 3, NoteKind::Noire);
             const double y = st.y(3) + 1.6 * st.s, x = 86;
             p.setPen(inkPen(0.16 * st.s));
             p.drawLine(QPointF(x - 0.6 * st.s, y - 0.4 * st.s), QPointF(x + 0.6 * st.s, y));
             p.drawLine(QPointF(x + 0.6 * st.s, y), QPointF(x - 0.6 * st.s, y + 0.4 * st.s));
         })});
    v.push_back({QStringLiteral("TRIOLET"), signWithClef([](QPainter &p, const Staff &st) {
                     const double xs[] = {60, 84, 108};
                     for (int i = 0; i < 3; ++i)
                         noteAt(p, st, xs[i], 1 + i, NoteKind::Noire);
                     // The beam joins the stems' tops; note() puts the stem at 0.6 of a space.
                     const double stem = 0.6 * st.s - 0.065 * st.s, top = 3.3 * st.s;
                     QPainterPath beam(QPointF(xs[0] + stem - 0.07 * st.s, st.y(1) - top));
                     beam.lineTo(QPointF(xs[2] + stem + 0.07 * st.s, st.y(3) - top));
                     beam.lineTo(QPointF(xs[2] + stem + 0.07 * st.s, st.y(3) - top + 0.5 * st.s));
                     beam.lineTo(QPointF(xs[0] + stem - 0.07 * st.s, st.y(1) - top + 0.5 * st.s));
                     beam.closeSubpath();
                     p.setPen(Qt::NoPen);
                     p.setBrush(colour::ink);
                     p.drawPath(beam);
                     p.setPen(colour::ink);
                     p.setFont(serif(1.6 * st.s, true));
                     p.drawText(QRectF(xs[1] + stem - 20, st.y(2) - top - 2.4 * st.s, 40, 2 * st.s),
                                Qt::AlignCenter, QStringLiteral("3"));
                 })});
    v.push_back({QStringLiteral("ACCORD"), signWithClef([](QPainter &p, const Staff &st) {
                     for (int step : {-2, 0, 2})
                         noteAt(p, st, 86, step, NoteKind::Noire);
                 })});
    v.push_back({QStringLiteral("ARMURE_SOL"), signWithClef([](QPainter &p, const Staff &st) {
                     sharpAt(p, st, 62, 8); // fa, on the top line
                 })});
    v.push_back({QStringLiteral("ARMURE_FA"), signWithClef([](QPainter &p, const Staff &st) {
                     flatAt(p, st, 62, 4); // si, on the middle line
                 })});
    return v;
}

std::vector<Picture> organa()
{
    return {
        {QStringLiteral("VIOLON"), instrumentPicture([](QPainter &p) { violin(p, 0.3); })},
        {QStringLiteral("GUITARE"),
         instrumentPicture([](QPainter &p) { guitar(p, colour::wood); }, 165)},
        {QStringLiteral("TROMPETTE"), instrumentPicture([](QPainter &p) { trumpet(p, 0); })},
        {QStringLiteral("SAXOPHONE"), instrumentPicture([](QPainter &p) { saxophone(p); })},
        {QStringLiteral("TAMBOUR"), instrumentPicture([](QPainter &p) { drum(p, 0.25); })},
        {QStringLiteral("PIANO"), instrumentPicture([](QPainter &p) { piano(p, -1); })},
        {QStringLiteral("XYLOPHONE"), instrumentPicture([](QPainter &p) { xylophone(p, 0.2); })},
        {QStringLiteral("MARACAS"), twoMaracas()},
        {QStringLiteral("HARPE"), instrumentPicture([](QPainter &p) { harp(p); }, 150)},
        {QStringLiteral("FLUTE"), instrumentPicture(
                                      [](QPainter &p) {
                                          p.rotate(-35);
                                          flute(p);
                                      },
                                      150)},
        {QStringLiteral("TITRE"),
         titleCard(QStringLiteral("Les"), QStringLiteral("instruments"), 32)},
    };
}

bool savePictures(const QDir &folder, const std::vector<Picture> &pictures)
{
    if (!folder.mkpath(QStringLiteral(".")))
        return false;
    bool ok = true;
    for (const Picture &pic : pictures)
        ok = ok && pic.image.save(folder.filePath(pic.name + QStringLiteral(".png")), "PNG");
    return ok;
}

} // namespace

bool writePacks(const QDir &out)
{
    const QDir packs(out.filePath(QStringLiteral("packs")));
    std::vector<Picture> visages = portraitCards();
    visages.push_back({QStringLiteral("TITRE"), titleCard(QStringLiteral("Les visages"),
                                                          QStringLiteral("des musiciens"), 31)});
    std::vector<Picture> lexique = notation();
    lexique.push_back({QStringLiteral("TITRE"),
                       titleCard(QStringLiteral("Le lexique"), QStringLiteral("musical"), 34)});
    return savePictures(QDir(packs.filePath(QStringLiteral("visages"))), visages) &&
           savePictures(QDir(packs.filePath(QStringLiteral("organa"))), organa()) &&
           savePictures(QDir(packs.filePath(QStringLiteral("compos"))),
                        {{QStringLiteral("TITRE"), titleCard(QStringLiteral("Compositeurs"),
                                                             QStringLiteral("et œuvres"), 33)}}) &&
           savePictures(QDir(packs.filePath(QStringLiteral("lexique"))), lexique);
}

bool writeTextPictures(const QDir &images)
{
    if (!images.mkpath(QStringLiteral(".")))
        return false;
    // A bar of 4/4: a half note and two quarter notes.
    const QImage bar = signOnStaff(
        [](QPainter &p, const Staff &st) {
            trebleClefOn(p, st, st.left + 1.2 * st.s);
            timeSignature(p, st, 40, QStringLiteral("4"), QStringLiteral("4"));
            noteAt(p, st, 64, 2, NoteKind::Blanche);
            noteAt(p, st, 92, 3, NoteKind::Noire);
            noteAt(p, st, 116, 1, NoteKind::Noire);
            barline(p, st, st.right - 1, 1.5);
        },
        10, 76);
    // A dotted quarter note and an eighth note.
    const QImage dotted = signOnStaff(
        [](QPainter &p, const Staff &st) {
            trebleClefOn(p, st, st.left + 1.2 * st.s);
            noteAt(p, st, 62, 3, NoteKind::Noire);
            dotAfter(p, st, 62, 3);
            noteAt(p, st, 106, 2, NoteKind::Croche);
        },
        12, 70);
    // Do, mi, sol at once; then do and sol one after the other.
    const QImage chord = signWithClef([](QPainter &p, const Staff &st) {
        for (int step : {-2, 0, 2})
            wholeNote(p, st, 86, step);
    });
    const QImage fifth = signWithClef([](QPainter &p, const Staff &st) {
        wholeNote(p, st, 66, -2);
        wholeNote(p, st, 106, 2);
    });
    return saveJpeg(bar, images, QStringLiteral("rythme1.jpg")) &&
           saveJpeg(dotted, images, QStringLiteral("rythme2.jpg")) &&
           saveJpeg(chord, images, QStringLiteral("harmonie1.jpg")) &&
           saveJpeg(fifth, images, QStringLiteral("harmonie2.jpg")) &&
           saveJpeg(vinylRecord(), images, QStringLiteral("histoire1.jpg"));
}

} // namespace gen
