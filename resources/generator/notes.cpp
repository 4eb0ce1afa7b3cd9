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
    bassClef(p, QPointF(16, yOf(6)), kSpace, colour::ink);
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
    wholeNoteHead(p, QPointF(kNoteX, yOf(position)), kSpace, colour::ink);
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
