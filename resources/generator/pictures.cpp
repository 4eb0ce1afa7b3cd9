// The game's still pictures: screen-size backgrounds and the 800 x 600 screens' pictures.
// Where a screen lays controls over its picture the picture stays calm there; the rectangles
// below are those controls' places in pixels.
#include "draw.h"
#include "generator.h"

#include <QImage>
#include <QImageWriter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace gen {

namespace {

const QRectF screen800(0, 0, 800, 600);
// The two arrow buttons in the bottom corners of the avatar screen stay on a light patch.
const QRectF retourButton(0, 560, 46, 40);
const QRectF suiteButton(750, 560, 50, 40);

std::vector<QColor> lightNotes()
{
    return {colour::cream, colour::gold, colour::peach, QColor(Qt::white)};
}

std::vector<QColor> warmNotes()
{
    return {colour::coral, colour::orange, colour::plum, colour::teal, colour::red};
}

QColor alpha(QColor c, int a)
{
    c.setAlpha(a);
    return c;
}

// An instrument drawn by index, so that rows of them can be laid out from a list.
void instrument(QPainter &p, int which, QPointF centre, double size, double angle = 0)
{
    Placed at(p, centre, size, angle);
    switch (which % 8) {
    case 0: guitar(p, colour::orange); break;
    case 1: violin(p, 0.5); break;
    case 2: trumpet(p, 0.3); break;
    case 3: drum(p, 0.0); break;
    case 4: saxophone(p); break;
    case 5: xylophone(p, 0.4); break;
    case 6: maraca(p, colour::coral); break;
    default: metronome(p, 0.4); break;
    }
}

// A row of instruments across a free band of a screen.
void instrumentRow(QPainter &p, const QRectF &band, int first, int count)
{
    const double step = band.width() / count;
    const double size = std::min(step * 0.85, band.height() * 0.9);
    for (int i = 0; i < count; ++i) {
        const QPointF c(band.left() + step * (i + 0.5), band.center().y());
        instrument(p, first + i, c, size, (i % 2 ? 8 : -8));
    }
}

// Full-screen backgrounds: only the border around the centred 800 x 600 screens shows.
QImage screenBackdrop(int w, int h, std::uint32_t seed)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    begin(p);
    verticalGradient(p, img.rect(), colour::plum, QColor(0xD9, 0x54, 0x2E));
    sunburst(p, QPointF(w / 2.0, h / 2.0), std::hypot(w, h), 36, QColor(255, 255, 255, 0),
             QColor(255, 220, 160, 28));
    const double bx = (w - 800) / 2.0, by = (h - 600) / 2.0;
    const QRectF centre(bx, by, 800, 600);
    Rng rng(seed);
    for (double y = 40; y < h; y += 170)
        staff(p, QPointF(-10, y), w + 20, 9, 22, y / 60.0, QColor(255, 235, 200, 90), 2);

    std::vector<QRectF> clear = {centre};
    if (by >= 70) {
        const double title = std::min(by * 0.5, 96.0);
        const QRectF band(0, 0, w, by * 0.95);
        textOutlined(p, band, QStringLiteral("Tempeljeu"), font(title), colour::gold, colour::ink,
                     title / 14, Qt::AlignCenter);
        clear.push_back(QRectF(w / 2.0 - title * 3.2, band.center().y() - title * 0.7, title * 6.4,
                               title * 1.4));
        const double keys = std::min(by * 0.55, 110.0);
        pianoKeys(p, QRectF(0, h - keys, w, keys), std::max(14, w / 34));
        clear.push_back(QRectF(0, h - keys - 4, w, keys + 4));
    }
    if (bx >= 90) {
        const double size = std::min(bx * 0.8, 220.0);
        std::vector<std::pair<QPointF, double>> places = {{{bx / 2, h / 2.0}, size},
                                                          {{w - bx / 2, h / 2.0}, size}};
        if (h >= 768) {
            places.push_back({{bx / 2, h * 0.2}, size * 0.8});
            places.push_back({{w - bx / 2, h * 0.2}, size * 0.8});
        }
        for (size_t i = 0; i < places.size(); ++i) {
            const auto [c, s] = places[i];
            instrument(p, int(i), c, s, i % 2 ? 12 : -12);
            clear.push_back(QRectF(c.x() - s / 2, c.y() - s / 2, s, s));
        }
    }
    scatterNotes(p, img.rect(), int(w * h / 9000), rng, 7, 16, lightNotes(), clear);
    return img;
}

void clefOnStaff(QPainter &p, QPointF staffStart, double spacing, double amplitude, double phase,
                 double length, double x, const QColor &c)
{
    // The clef's unit box has its lines 10 units apart, the middle line at 0.
    const double middle = staffLineY(staffStart, spacing, amplitude, phase, length, x, 2);
    Placed at(p, QPointF(x, middle), spacing * 10);
    trebleClef(p, c);
}

void notesOnStaff(QPainter &p, QPointF start, double spacing, double amplitude, double phase,
                  double length, double fromX, double toX, int count,
                  const std::vector<QColor> &colours)
{
    static const NoteKind kinds[] = {NoteKind::Croche, NoteKind::Noire, NoteKind::DoubleCroche,
                                     NoteKind::Blanche};
    for (int i = 0; i < count; ++i) {
        const double x = fromX + (toX - fromX) * i / std::max(1, count - 1);
        const double line = 4 - (i * 3 % 9) * 0.5; // a little tune climbing and falling
        const double y = staffLineY(start, spacing, amplitude, phase, length, x, line);
        note(p, QPointF(x, y), spacing, kinds[i % 4], colours[size_t(i) % colours.size()]);
    }
}

QImage accueil()
{
    QImage img = canvas(800, 600);
    QPainter p(&img);
    begin(p);
    verticalGradient(p, screen800, QColor(0xFF, 0xE7, 0xA8), QColor(0xF7, 0x9E, 0x48));
    sunburst(p, QPointF(400, 130), 900, 28, QColor(255, 255, 255, 80), QColor(255, 255, 255, 0));

    const QFont title = font(112);
    textOutlined(p, QRectF(0, 40, 800, 150), QStringLiteral("Tempeljeu"), title, colour::ink,
                 colour::ink, 12, Qt::AlignCenter);
    textOutlined(p, QRectF(-3, 36, 800, 150), QStringLiteral("Tempeljeu"), title, colour::red,
                 colour::cream, 6, Qt::AlignCenter);
    const QRectF pill(170, 200, 460, 54);
    shadow(p, pill, 27, 8);
    roundedPanel(p, pill, 27, QColor(Qt::white), colour::orange, 4);
    textOutlined(p, pill, QStringLiteral("Le grand quiz de la musique"), font(32), colour::brown,
                 Qt::transparent, 0, Qt::AlignCenter);

    const QPointF staffStart(-10, 292);
    staff(p, staffStart, 820, 13, 14, 0.6, colour::brown, 2.5);
    clefOnStaff(p, staffStart, 13, 14, 0.6, 820, 40, colour::brown);
    notesOnStaff(p, staffStart, 13, 14, 0.6, 820, 110, 770, 11, warmNotes());

    instrumentRow(p, QRectF(30, 380, 740, 150), 0, 6);
    pianoKeys(p, QRectF(-2, 540, 804, 62), 28);
    return img;
}

// A speech bubble whose tail points at `tip`, leaving from the bubble's edge between a and b.
void bubble(QPainter &p, const QRectF &r, QPointF a, QPointF b, QPointF tip)
{
    QPainterPath shape;
    shape.addRoundedRect(r, 28, 28);
    QPainterPath tail(a);
    tail.quadTo((a + tip) / 2 + QPointF(0, 10), tip);
    tail.quadTo((b + tip) / 2, b);
    tail.closeSubpath();
    shape = shape.united(tail);
    shadow(p, r, 28, 10);
    p.save();
    p.setPen(QPen(colour::orange, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(shape);
    p.restore();
}

QImage choixDuJeu()
{
    QImage img = canvas(800, 600);
    QPainter p(&img);
    begin(p);
    verticalGradient(p, screen800, QColor(0xFF, 0xEC, 0xC0), QColor(0xF6, 0xA8, 0x5E));
    sunburst(p, QPointF(400, 300), 900, 32, QColor(255, 255, 255, 60), QColor(255, 255, 255, 0));
    staff(p, QPointF(-10, 548), 820, 8, 6, 1.2, alpha(colour::brown, 110), 2);
    staff(p, QPointF(-10, 10), 820, 6, 4, 0.2, alpha(colour::brown, 90), 1.5);

    // The game entries stand in the first bubble, the Options link in the second.
    const QRectF games(196, 44, 470, 290);
    const QRectF options(392, 372, 176, 146);
    Rng rng(23);
    scatterNotes(p, QRectF(0, 40, 800, 500), 40, rng, 9, 16, warmNotes(),
                 {games.adjusted(-14, -14, 14, 14), options.adjusted(-14, -14, 14, 14),
                  QRectF(20, 340, 190, 220), QRectF(600, 360, 190, 200),
                  QRectF(230, 330, 170, 110)});

    bubble(p, games, QPointF(236, 330), QPointF(300, 330), QPointF(150, 400));
    bubble(p, options, QPointF(562, 430), QPointF(562, 480), QPointF(632, 470));

    // The two characters who speak: a singing note and a drum.
    note(p, QPointF(112, 520), 50, NoteKind::Croche, colour::coral, -8);
    face(p, QPointF(108, 521), 58, false, 1);
    {
        Placed at(p, QPointF(700, 470), 150);
        drum(p, 0.5);
        face(p, QPointF(0, 12), 46, false, 1);
    }
    return img;
}

// The game screen: calm, decorated only along its edges; panels come on top of it.
QImage ecranDeJeu(int players)
{
    QImage img = canvas(800, 600);
    QPainter p(&img);
    begin(p);
    verticalGradient(p, screen800, QColor(0xFF, 0xF6, 0xE4), QColor(0xFF, 0xD8, 0xB0));
    const QColor line = alpha(colour::brown, 110);
    staff(p, QPointF(-10, 6), 820, 5, 3, players * 0.7, line, 1.5);
    staff(p, QPointF(-10, 572), 820, 5, 3, players * 0.7 + 2, line, 1.5);
    Rng rng(100 + std::uint32_t(players));
    std::vector<QColor> soft;
    for (const QColor &c : warmNotes())
        soft.push_back(alpha(c, 150));
    scatterNotes(p, QRectF(0, 30, 42, 440), 6, rng, 7, 10, soft);
    scatterNotes(p, QRectF(758, 30, 42, 440), 6, rng, 7, 10, soft);
    // Faint instruments in the corners: present, but never competing with the panels.
    p.setOpacity(0.22);
    instrument(p, players, QPointF(58, 520), 80, -15);
    instrument(p, players + 3, QPointF(742, 520), 80, 15);
    p.setOpacity(1);
    return img;
}

struct AvatarScreen {
    int participants;
    QRectF slotArea; // where the slot area lies, in pixels
};

// The slot area's place per participant count (from its twips, 15 to a pixel).
constexpr double px(int twips)
{
    return twips / 15.0;
}
const AvatarScreen avatarScreens[] = {
    {1, {px(5700), px(2700), px(4345), px(1695)}}, {2, {px(4730), px(2680), px(5490), px(1695)}},
    {3, {px(3330), px(2680), px(6845), px(1695)}}, {4, {px(2100), px(2680), px(8100), px(1695)}},
    {8, {px(2050), px(1100), px(8100), px(3195)}}, {9, {px(3730), px(580), px(4045), px(5795)}},
    {16, {px(2350), px(760), px(5245), px(7395)}}, {27, {px(240), px(280), px(11625), px(5635)}},
    {32, {px(830), px(550), px(10335), px(7155)}},
};

QImage ecranDesAvatars(const AvatarScreen &s)
{
    QImage img = canvas(800, 600);
    QPainter p(&img);
    begin(p);
    verticalGradient(p, screen800, QColor(0xFF, 0xE6, 0xAE), QColor(0xF4, 0x93, 0x5A));
    const QRectF box = s.slotArea;
    sunburst(p, box.center(), 900, 30, QColor(255, 255, 255, 70), QColor(255, 255, 255, 0));

    std::vector<QRectF> clear = {box.adjusted(-18, -18, 18, 18), retourButton, suiteButton};
    const double gap = 14;
    const QRectF top(0, 0, 800, box.top() - gap);
    const QRectF bottom(0, box.bottom() + gap, 800, 556 - box.bottom() - gap);
    int nextInstrument = s.participants;

    if (top.height() >= 50) {
        const QString headline = s.participants == 1 ? QStringLiteral("Présente-toi !")
                                                     : QStringLiteral("Présentez-vous !");
        const double size = std::min(56.0, top.height() * 0.55);
        textOutlined(p, top, headline, font(size), colour::cream, colour::brown, size / 10,
                     Qt::AlignCenter);
        clear.push_back(QRectF(150, top.center().y() - size * 0.7, 500, size * 1.4));
    }
    if (bottom.height() >= 100) {
        const QRectF band = bottom.adjusted(60, 4, -60, -4);
        const int count = std::clamp(int(band.width() / 140), 1, 5);
        instrumentRow(p, band, nextInstrument, count);
        nextInstrument += count;
        clear.push_back(band);
    } else if (596 - bottom.top() >= 40) {
        pianoKeys(p, QRectF(56, bottom.top() + 4, 688, std::min(56.0, 592 - bottom.top())), 24);
        clear.push_back(QRectF(56, bottom.top(), 688, 600 - bottom.top()));
    }
    for (const QRectF &side :
         {QRectF(0, box.top(), box.left() - gap, box.height()),
          QRectF(box.right() + gap, box.top(), 800 - box.right() - gap, box.height())}) {
        if (side.width() < 90)
            continue;
        const double size = std::min({side.width() * 0.78, 180.0, side.height() * 0.9});
        const int stacked = std::clamp(int(side.height() / (size * 1.1)), 1, 3);
        for (int i = 0; i < stacked; ++i) {
            const QPointF c(side.center().x(), side.top() + side.height() * (i + 0.5) / stacked);
            instrument(p, nextInstrument++, c, size, (i % 2 ? 10 : -10));
            clear.push_back(QRectF(c.x() - size / 2, c.y() - size / 2, size, size));
        }
    }
    Rng rng(200 + std::uint32_t(s.participants));
    scatterNotes(p, screen800, 60, rng, 8, 15, lightNotes(), clear);

    // A frame around the slot area, which the area itself covers but for a margin.
    const QRectF frame = box.adjusted(-10, -10, 10, 10);
    shadow(p, frame, 16, 10);
    roundedPanel(p, frame, 16, colour::cream, colour::orange, 4);
    return img;
}

QImage questionParDefaut()
{
    QImage img = canvas(146, 200);
    QPainter p(&img);
    begin(p);
    verticalGradient(p, img.rect(), colour::cream, colour::peach);
    roundedPanel(p, QRectF(4, 4, 138, 192), 14, Qt::transparent, colour::orange, 5);
    const QPointF start(8, 128);
    staff(p, start, 130, 7, 3, 0.0, alpha(colour::brown, 160), 1.5);
    note(p, QPointF(40, staffLineY(start, 7, 3, 0, 130, 40, 3)), 9, NoteKind::Croche, colour::plum);
    note(p, QPointF(112, staffLineY(start, 7, 3, 0, 130, 112, 1)), 9, NoteKind::Noire,
         colour::teal);
    textOutlined(p, QRectF(0, 10, 146, 120), QStringLiteral("?"), font(110), colour::coral,
                 colour::cream, 5, Qt::AlignHCenter | Qt::AlignTop);
    {
        Placed at(p, QPointF(73, 170), 44, -10);
        trumpet(p, 0.5);
    }
    return img;
}

QImage questionIllustration(int which)
{
    QImage img = canvas(146, 200);
    QPainter p(&img);
    begin(p);
    verticalGradient(p, img.rect(), QColor(0xE8, 0xF4, 0xFF), colour::cream);
    instrument(p, which, QPointF(73, 100), 130);
    return img;
}

} // namespace

std::vector<Output> writePictures(const QDir &out)
{
    std::vector<Output> written;
    out.mkpath(QStringLiteral("FOND"));
    out.mkpath(QStringLiteral("IMAGES"));
    bool ok = true;
    auto add = [&](const QString &type, const QString &name, const QImage &img) {
        const QString file = type + QLatin1Char('/') + name + QStringLiteral(".jpg");
        ok = ok && saveJpeg(img, out, file);
        written.push_back({type, name, file});
    };
    const QString fond = QStringLiteral("FOND");
    add(fond, QStringLiteral("1024"), screenBackdrop(1024, 768, 1));
    add(fond, QStringLiteral("1280"), screenBackdrop(1280, 1024, 2));
    add(fond, QStringLiteral("1440"), screenBackdrop(1440, 900, 3));
    add(fond, QStringLiteral("1680"), screenBackdrop(1680, 1050, 4));
    add(fond, QStringLiteral("1024_600"), screenBackdrop(1024, 600, 5));
    add(fond, QStringLiteral("ACCUEIL"), accueil());
    add(fond, QStringLiteral("ACCUEIL2PHYLACTERES"), choixDuJeu());
    add(fond, QStringLiteral("1JOUEUR"), ecranDeJeu(1));
    add(fond, QStringLiteral("2JOUEURS"), ecranDeJeu(2));
    add(fond, QStringLiteral("3JOUEURS"), ecranDeJeu(3));
    for (const AvatarScreen &s : avatarScreens) {
        const QString name = s.participants == 1
                                 ? QStringLiteral("FOND1JOUEUR")
                                 : QStringLiteral("FOND%1JOUEURS").arg(s.participants);
        add(fond, name, ecranDesAvatars(s));
    }
    add(QStringLiteral("IMAGES"), QStringLiteral("100"), questionParDefaut());
    if (!ok)
        written.clear();
    return written;
}

bool writeExamplePack(const QDir &out)
{
    out.mkpath(QStringLiteral("examplepack"));
    return saveJpeg(questionIllustration(1), out, QStringLiteral("examplepack/violon.jpg")) &&
           saveJpeg(questionIllustration(2), out, QStringLiteral("examplepack/trompette.jpg"));
}

} // namespace gen
