// Drawing kit shared by the picture and avatar generators: notes, staves, instruments, faces.
// Every shape is drawn in its own unit box (about -50..50 on each axis) and placed with
// a centre, a size in pixels and an angle, so one drawing serves a backdrop and an avatar.
#pragma once

#include <QColor>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace gen {

// Warm colours that stay readable on a projector.
namespace colour {
inline const QColor cream{0xFF, 0xF4, 0xDC};
inline const QColor peach{0xFF, 0xD9, 0xB0};
inline const QColor orange{0xF3, 0x8C, 0x2C};
inline const QColor coral{0xE8, 0x5A, 0x4F};
inline const QColor red{0xC6, 0x2E, 0x3A};
inline const QColor gold{0xF6, 0xC3, 0x3C};
inline const QColor brown{0x6B, 0x38, 0x1E};
inline const QColor wood{0xB8, 0x66, 0x2E};
inline const QColor plum{0x7A, 0x2E, 0x5C};
inline const QColor teal{0x1F, 0x8A, 0x84};
inline const QColor sky{0x4D, 0x9D, 0xE0};
inline const QColor leaf{0x5B, 0xA8, 0x3C};
inline const QColor ink{0x2B, 0x1A, 0x12};
} // namespace colour

// Small deterministic generator: the same seed gives the same pictures and sounds everywhere.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : m_state(seed * 2654435761u + 0x9E3779B9u) {}
    std::uint32_t next();
    double uniform();                      // [0, 1)
    double range(double low, double high); // [low, high)
    int below(int n);                      // 0 .. n-1

private:
    std::uint32_t m_state;
};

enum class NoteKind { Noire, Blanche, Croche, DoubleCroche };

// Places the unit box: origin at centre, 100 units = size pixels, turned by angle degrees.
class Placed {
public:
    Placed(QPainter &p, QPointF centre, double size, double angle = 0);
    ~Placed();
    Placed(const Placed &) = delete;
    Placed &operator=(const Placed &) = delete;

private:
    QPainter &m_p;
};

// A white picture of that size, a painter set up for smooth drawing, and the JPEG every
// generated picture is saved as.
QImage canvas(int w, int h);
void begin(QPainter &p);
bool saveJpeg(const QImage &img, const QDir &out, const QString &relative);

QFont font(double pixelSize, bool bold = true);
void verticalGradient(QPainter &p, const QRectF &r, const QColor &top, const QColor &bottom);
void sunburst(QPainter &p, QPointF centre, double radius, int rays, const QColor &a,
              const QColor &b);
// Five lines following a gentle wave; returns nothing, notes are placed by the caller.
void staff(QPainter &p, QPointF start, double length, double spacing, double waveAmplitude,
           double wavePhase, const QColor &c, double width = 2);
// The vertical position of line `line` (0 top .. 4 bottom) of that staff at x.
double staffLineY(QPointF start, double spacing, double waveAmplitude, double wavePhase,
                  double length, double x, double line);
void note(QPainter &p, QPointF headCentre, double headHeight, NoteKind kind, const QColor &c,
          double angle = 0);
void pianoKeys(QPainter &p, const QRectF &r, int whiteKeys, int pressed = -1);
void textOutlined(QPainter &p, const QRectF &r, const QString &text, const QFont &f,
                  const QColor &fill, const QColor &outline, double outlineWidth,
                  int flags = Qt::AlignCenter);
void roundedPanel(QPainter &p, const QRectF &r, double radius, const QColor &fill,
                  const QColor &border, double borderWidth);
void shadow(QPainter &p, const QRectF &r, double radius, double spread);
// A shape filled in `c` with an ink outline (none when the width is 0), and the two shapes
// most drawings are made of.
void filled(QPainter &p, const QPainterPath &shape, const QColor &c, double outlineWidth = 2);
QPainterPath polygon(std::initializer_list<QPointF> corners);
QPainterPath oval(QPointF centre, double rx, double ry);
void disc(QPainter &p, QPointF centre, double r, const QColor &c, double outlineWidth = 1.5);
// Scatters notes over an area, skipping the rectangles listed in `keepClear`.
void scatterNotes(QPainter &p, const QRectF &area, int count, Rng &rng, double minSize,
                  double maxSize, const std::vector<QColor> &colours,
                  const std::vector<QRectF> &keepClear = {});

// Characters: a face in the unit box at (x, y) with the given width.
void face(QPainter &p, QPointF centre, double width, bool blink, double smile = 1);

// Instruments in their unit box. `phase` (0..1) moves what an animation moves.
void guitar(QPainter &p, const QColor &body);
void violin(QPainter &p, double bowPhase);
void trumpet(QPainter &p, double pulse);
void drum(QPainter &p, double phase);
void piano(QPainter &p, int pressedKey);
void saxophone(QPainter &p);
void maraca(QPainter &p, const QColor &c);
void xylophone(QPainter &p, double malletPhase);
void microphone(QPainter &p);
// A transverse flute lying across the unit box.
void flute(QPainter &p);
void metronome(QPainter &p, double swing);
void trebleClef(QPainter &p, const QColor &c);
// Engraved signs in staff units: `space` is the distance between two staff lines.
// The bass clef, its head on the fa line at `faLine`, the two dots either side of that line.
void bassClef(QPainter &p, QPointF faLine, double space, const QColor &c);
// A whole note's head: an oval with a slanted hollow.
void wholeNoteHead(QPainter &p, QPointF centre, double space, const QColor &c);

} // namespace gen
