// Animated avatars: musical characters and instruments that move, one GIF each.
// Frames are drawn here; ImageMagick assembles them on one shared palette.
#include "draw.h"
#include "generator.h"

#include <QImage>
#include <QProcess>
#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <memory>
#include <numbers>

namespace gen {

namespace {

constexpr int width = 120;
constexpr int height = 100;
constexpr double pi = std::numbers::pi;

// t runs over [0, 1) across the frames; blink is true on the frame where eyes close.
using Scene = std::function<void(QPainter &, double t, bool blink)>;

struct Avatar {
    const char *name;
    int frames;
    int delay; // hundredths of a second per frame
    QColor background;
    Scene scene;
};

double bounce(double t, double height)
{
    return -height * std::abs(std::sin(pi * t * 2));
}

// A small note flying up and fading, for instruments that play.
void flyingNote(QPainter &p, QPointF from, double t, const QColor &c)
{
    QColor faded = c;
    faded.setAlphaF(std::max(0.0, 1 - t));
    note(p, from + QPointF(10 * std::sin(2 * pi * t), -45 * t), 5.5, NoteKind::Croche, faded, 10);
}

void noteCharacter(QPainter &p, double t, bool blink, NoteKind kind, const QColor &c)
{
    const double y = 82 + bounce(t, 10);
    const double sway = 8 * std::sin(2 * pi * t);
    note(p, QPointF(48, y), 22, kind, c, sway);
    face(p, QPointF(46, y + 1), 26, blink, 1);
    flyingNote(p, QPointF(96, 70), t, colour::plum);
    flyingNote(p, QPointF(96, 70), std::fmod(t + 0.5, 1.0), colour::teal);
}

const std::vector<Avatar> &avatars()
{
    static const std::vector<Avatar> list = {
        {"croche", 6, 12, QColor(0xFF, 0xE8, 0xB8),
         [](QPainter &p, double t, bool b) {
             noteCharacter(p, t, b, NoteKind::Croche, colour::coral);
         }},
        {"doublecroche", 6, 12, QColor(0xD8, 0xF0, 0xE8),
         [](QPainter &p, double t, bool b) {
             noteCharacter(p, t, b, NoteKind::DoubleCroche, colour::teal);
         }},
        {"noire", 6, 12, QColor(0xF3, 0xDC, 0xF0),
         [](QPainter &p, double t, bool b) {
             noteCharacter(p, t, b, NoteKind::Noire, colour::plum);
         }},
        {"violon", 6, 12, QColor(0xFF, 0xEE, 0xCC),
         [](QPainter &p, double t, bool b) {
             Placed at(p, QPointF(58, 52), 92, -18);
             violin(p, 0.5 + 0.5 * std::sin(2 * pi * t));
             face(p, QPointF(0, 13), 22, b, 1);
         }},
        {"guitare", 6, 12, QColor(0xDD, 0xEE, 0xFF),
         [](QPainter &p, double t, bool b) {
             {
                 Placed at(p, QPointF(54, 52), 94, 10 * std::sin(2 * pi * t));
                 guitar(p, colour::orange);
                 face(p, QPointF(0, 25), 24, b, 1);
             }
             flyingNote(p, QPointF(98, 60), t, colour::red);
         }},
        {"trompette", 6, 12, QColor(0xFF, 0xF2, 0xC8),
         [](QPainter &p, double t, bool) {
             {
                 Placed at(p, QPointF(54, 56), 96, -10 + 3 * std::sin(2 * pi * t));
                 trumpet(p, std::pow(std::sin(pi * t), 2));
             }
             flyingNote(p, QPointF(102, 52), t, colour::plum);
             flyingNote(p, QPointF(104, 56), std::fmod(t + 0.5, 1.0), colour::coral);
         }},
        {"tambour", 4, 14, QColor(0xFF, 0xE0, 0xD0),
         [](QPainter &p, double t, bool b) {
             Placed at(p, QPointF(60, 56), 86);
             drum(p, t);
             face(p, QPointF(0, 12), 30, b, 1);
         }},
        {"piano", 6, 14, QColor(0xE8, 0xE4, 0xFF),
         [](QPainter &p, double t, bool b) {
             static const int tune[] = {0, 2, 4, 5, 4, 2};
             Placed at(p, QPointF(60, 52 + bounce(t, 2)), 92);
             piano(p, 1 + tune[int(t * 6) % 6]);
             face(p, QPointF(0, -18), 30, b, 1);
         }},
        {"saxophone", 6, 12, QColor(0xFF, 0xF0, 0xD8),
         [](QPainter &p, double t, bool) {
             {
                 Placed at(p, QPointF(50, 54), 92, 8 * std::sin(2 * pi * t));
                 saxophone(p);
             }
             flyingNote(p, QPointF(96, 46), t, colour::teal);
             flyingNote(p, QPointF(90, 50), std::fmod(t + 0.5, 1.0), colour::red);
         }},
        {"maracas", 4, 10, QColor(0xE4, 0xF6, 0xD8),
         [](QPainter &p, double t, bool) {
             const double shake = 18 * std::sin(2 * pi * t);
             {
                 Placed at(p, QPointF(42, 52), 84, -22 + shake);
                 maraca(p, colour::coral);
             }
             {
                 Placed at(p, QPointF(78, 52), 84, 22 - shake);
                 maraca(p, colour::gold);
             }
             p.setPen(QPen(colour::brown, 2, Qt::SolidLine, Qt::RoundCap));
             const double d = 3 * std::abs(std::sin(2 * pi * t));
             p.drawLine(QPointF(14 - d, 18), QPointF(8 - d, 14));
             p.drawLine(QPointF(106 + d, 18), QPointF(112 + d, 14));
         }},
        {"xylophone", 8, 12, QColor(0xFF, 0xF4, 0xE0),
         [](QPainter &p, double t, bool) {
             Placed at(p, QPointF(60, 58), 100);
             xylophone(p, t);
         }},
        {"micro", 6, 12, QColor(0xF0, 0xE4, 0xFF),
         [](QPainter &p, double t, bool b) {
             {
                 Placed at(p, QPointF(50, 54 + bounce(t, 3)), 90, -8);
                 microphone(p);
                 face(p, QPointF(0, -26), 22, b, 1);
             }
             p.setBrush(Qt::NoBrush);
             for (int k = 0; k < 3; ++k) {
                 const double r = 10 + 10 * std::fmod(t + k / 3.0, 1.0);
                 QColor c = colour::orange;
                 c.setAlphaF(1 - (r - 10) / 10);
                 p.setPen(QPen(c, 2.5, Qt::SolidLine, Qt::RoundCap));
                 p.drawArc(QRectF(62 - r, 30 - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
             }
         }},
        {"metronome", 8, 10, QColor(0xFF, 0xEA, 0xD0),
         [](QPainter &p, double t, bool) {
             Placed at(p, QPointF(60, 52), 92);
             metronome(p, std::sin(2 * pi * t));
         }},
        {"cledesol", 6, 12, QColor(0xFF, 0xE4, 0xEC),
         [](QPainter &p, double t, bool) {
             {
                 Placed at(p, QPointF(52, 52 + bounce(t, 5)), 90, 8 * std::sin(2 * pi * t));
                 trebleClef(p, colour::plum);
             }
             flyingNote(p, QPointF(96, 64), t, colour::coral);
         }},
    };
    return list;
}

QImage frame(const Avatar &a, int i)
{
    QImage img(width, height, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(width / 2.0, height / 2.0), width * 0.75);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, a.background);
    p.fillRect(img.rect(), g);
    const bool blink = i == a.frames - 1;
    a.scene(p, double(i) / a.frames, blink);
    return img;
}

} // namespace

bool writeAvatars(const QDir &avatarsDir, const QDir &work)
{
    if (!avatarsDir.mkpath(QStringLiteral(".")) || !work.mkpath(QStringLiteral(".")))
        return false;
    std::vector<std::unique_ptr<QProcess>> running;
    for (const Avatar &a : avatars()) {
        QStringList args{QStringLiteral("-delay"), QString::number(a.delay),
                         QStringLiteral("-loop"), QStringLiteral("0")};
        for (int i = 0; i < a.frames; ++i) {
            const QString file =
                work.filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(a.name)).arg(i));
            if (!frame(a, i).save(file, "png"))
                return false;
            args << file;
        }
        // One palette for all frames, so that colours do not flicker from frame to frame.
        args << QStringLiteral("+dither") << QStringLiteral("+map")
             << avatarsDir.filePath(QLatin1String(a.name) + QStringLiteral(".gif"));
        auto process = std::make_unique<QProcess>();
        process->start(QStringLiteral("/usr/bin/convert"), args);
        running.push_back(std::move(process));
    }
    bool ok = true;
    for (auto &process : running)
        ok = process->waitForFinished(30000) && process->exitStatus() == QProcess::NormalExit &&
             process->exitCode() == 0 && ok;
    return ok;
}

} // namespace gen
