// The note-reading packs: one picture per note that a level can ask, on a treble or a bass
// staff, and the listening questions' picture, each with the resource list of its pack.
#include "draw.h"
#include "generator.h"

#include "questions/notetable.h"

#include <QImage>
#include <QPainterPath>
#include <QSaveFile>
#include <QTextStream>

#include <utility>
#include <vector>

namespace gen {
namespace {

// The question picture's size.
constexpr int kWidth = 146;
constexpr int kHeight = 200;
constexpr double kSpace = 12; // between two staff lines
constexpr double kStaffLeft = 6;
constexpr double kStaffRight = 140;
constexpr double kNoteX = 102;

// Position 4, the middle line, sits at mid-height; a step is half a space.
double yOf(int position)
{
    return kHeight / 2.0 - (position - 4) * kSpace / 2;
}

void line(QPainter &p, double x1, double x2, double y)
{
    p.setPen(QPen(colour::ink, 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x1, y), QPointF(x2, y));
}

// The clef's curl winds round the sol line (position 2).
void trebleClefOnStaff(QPainter &p)
{
    // The drawing's curl is at y = 10 of its unit box and a space is 14 of its units.
    const double size = 100 * kSpace / 14;
    Placed placed(p, QPointF(28, yOf(2) - 10 * size / 100), size);
    trebleClef(p, colour::ink);
}

// The clef's head and its two dots enclose the fa line (position 6).
void bassClefOnStaff(QPainter &p)
{
    const double x = 14, y = yOf(6), s = kSpace;
    QPainterPath body(QPointF(x + 0.2 * s, y - 0.1 * s));
    body.cubicTo(QPointF(x + 0.3 * s, y - 1.3 * s), QPointF(x + 2.4 * s, y - 1.5 * s),
                 QPointF(x + 2.4 * s, y + 0.2 * s));
    body.cubicTo(QPointF(x + 2.4 * s, y + 1.5 * s), QPointF(x + 1.2 * s, y + 2.3 * s),
                 QPointF(x - 0.1 * s, y + 2.8 * s));
    p.setPen(QPen(colour::ink, 0.3 * s, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::ink);
    p.drawEllipse(QPointF(x + 0.45 * s, y), 0.42 * s, 0.42 * s);
    p.drawEllipse(QPointF(x + 3.0 * s, y - 0.5 * s), 0.18 * s, 0.18 * s);
    p.drawEllipse(QPointF(x + 3.0 * s, y + 0.5 * s), 0.18 * s, 0.18 * s);
}

// A whole note: an oval with a slanted hollow.
void wholeNote(QPainter &p, QPointF centre)
{
    QPainterPath outer;
    outer.addEllipse(centre, 0.78 * kSpace, 0.52 * kSpace);
    QPainterPath inner;
    inner.addEllipse(QPointF(0, 0), 0.42 * kSpace, 0.26 * kSpace);
    QTransform slant;
    slant.translate(centre.x(), centre.y());
    slant.rotate(-40);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::ink);
    p.drawPath(outer.subtracted(slant.map(inner)));
}

QImage notePicture(notes::Clef clef, int position)
{
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    img.fill(colour::cream);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int l = 0; l <= 8; l += 2)
        line(p, kStaffLeft, kStaffRight, yOf(l));
    if (clef == notes::Clef::Aigu)
        trebleClefOnStaff(p);
    else
        bassClefOnStaff(p);
    // Ledger lines from the staff out to the note.
    for (int l = -2; l >= position; l -= 2)
        line(p, kNoteX - 0.95 * kSpace, kNoteX + 0.95 * kSpace, yOf(l));
    for (int l = 10; l <= position; l += 2)
        line(p, kNoteX - 0.95 * kSpace, kNoteX + 0.95 * kSpace, yOf(l));
    wholeNote(p, QPointF(kNoteX, yOf(position)));
    return img;
}

// A loudspeaker sending out notes.
QImage listeningPicture()
{
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    verticalGradient(p, QRectF(0, 0, kWidth, kHeight), colour::cream, colour::peach);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::brown);
    p.drawRect(QRectF(18, 86, 20, 30));
    QPolygonF cone;
    cone << QPointF(36, 86) << QPointF(62, 62) << QPointF(62, 140) << QPointF(36, 116);
    p.setBrush(colour::wood);
    p.drawPolygon(cone);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const double r = 18 + 14 * i;
        p.setPen(QPen(colour::orange, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(62 - r, 101 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
    note(p, QPointF(116, 52), 11, NoteKind::Croche, colour::plum);
    note(p, QPointF(124, 160), 9, NoteKind::Noire, colour::teal);
    return img;
}

// Writes the pictures into <out>/<key>/ and <out>/<key>.qrc, each picture at IMAGES/<NAME>
// as the packs' loader finds it.
bool writePack(const QDir &out, const QString &key,
               const std::vector<std::pair<QString, QImage>> &pictures)
{
    if (!out.mkpath(key))
        return false;
    QSaveFile qrc(out.filePath(key + QStringLiteral(".qrc")));
    if (!qrc.open(QIODevice::WriteOnly))
        return false;
    QTextStream s(&qrc);
    s << "<RCC>\n  <qresource prefix=\"/\">\n";
    for (const auto &[name, image] : pictures) {
        const QString file = out.filePath(key + '/' + name + QStringLiteral(".png"));
        if (!image.save(file, "PNG"))
            return false;
        s << "    <file alias=\"IMAGES/" << name << "\">" << file << "</file>\n";
    }
    s << "  </qresource>\n</RCC>\n";
    s.flush();
    return qrc.commit();
}

} // namespace

bool writeNotePacks(const QDir &out)
{
    for (const notes::Clef clef : {notes::Clef::Aigu, notes::Clef::Grave}) {
        std::vector<std::pair<QString, QImage>> pictures;
        for (int position = notes::kAllNotes.lowest; position <= notes::kAllNotes.highest;
             ++position)
            pictures.emplace_back(QString::fromStdString(notes::resourceNameOf(clef, position)),
                                  notePicture(clef, position));
        if (!writePack(out, QString::fromLatin1(notes::keyOf(clef)), pictures))
            return false;
    }
    return writePack(out, QStringLiteral("ecoutes"),
                     {{QStringLiteral("ECOUTE"), listeningPicture()}});
}

} // namespace gen
