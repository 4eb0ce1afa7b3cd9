#include "game/services/form_score.h"

#include "game/services/dessins.h"
#include "platform/fleche.h"

#include "game/setup/form_nombre_joueurs.h"
#include "platform/screens.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace platform;

namespace {

// Where the window stands from the game-choice screen, and its layout, in twips.
constexpr int kRightOfChoice = 900;
constexpr int kBelowChoice = 550;
constexpr int kWidth = 10200;
constexpr int kHeight = 7200;
constexpr QRect kBand(0, 0, kWidth, 900);
constexpr QRect kTitle(0, 150, kWidth, 600);
constexpr QRect kList(1500, 1200, 7200, 4200);
constexpr QRect kNoteTopLeft(300, 1200, 900, 900);
constexpr QRect kNoteTopRight(9000, 1200, 900, 900);
constexpr QRect kNoteBottomLeft(300, 4500, 900, 900);
constexpr QRect kNoteBottomRight(9000, 4500, 900, 900);
constexpr QRect kTrophy(225, 2625, 1050, 1350);
constexpr QRect kRetour(7950, 5850, 1950, 750);

const QColor kCream(0xFF, 0xF4, 0xD6);
const QColor kBurgundy(0x8C, 0x1C, 0x2B);
const QColor kOrange(0xE8, 0x7A, 0x1E);
const QColor kInk(0x4A, 0x25, 0x10);

void place(QWidget &control, const QRect &twips)
{
    control.setGeometry(twipsToPixels(twips.x()), twipsToPixels(twips.y()),
                        twipsToPixels(twips.width()), twipsToPixels(twips.height()));
}

QSize pixels(const QRect &twips)
{
    return {twipsToPixels(twips.width()), twipsToPixels(twips.height())};
}

// A warm band with a faint stave, behind the title.
QPixmap bandPicture(QSize size)
{
    QPixmap p(size);
    QPainter g(&p);
    QLinearGradient fill(0, 0, size.width(), 0);
    fill.setColorAt(0, kBurgundy);
    fill.setColorAt(1, kOrange);
    g.fillRect(p.rect(), fill);
    g.setPen(QPen(QColor(255, 255, 255, 70), 1));
    const int gap = size.height() / 7;
    for (int line = 1; line <= 5; ++line)
        g.drawLine(0, line * gap + gap / 2, size.width(), line * gap + gap / 2);
    return p;
}

// One quaver, or two beamed ones.
QPixmap notePicture(QSize size, bool beamed)
{
    QPixmap p = dessins::pictureTransparente(size);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(Qt::NoPen);
    g.setBrush(kBurgundy);
    const qreal w = size.width();
    const qreal h = size.height();
    const qreal head = w * 0.22;
    auto note = [&](qreal x, qreal y) {
        g.save();
        g.translate(x, y);
        g.rotate(-20);
        g.drawEllipse(QPointF(0, 0), head, head * 0.7);
        g.restore();
        g.fillRect(QRectF(x + head * 0.8, h * 0.12, w * 0.06, y - h * 0.12), kBurgundy);
    };
    if (beamed) {
        note(w * 0.25, h * 0.8);
        note(w * 0.68, h * 0.7);
        QPainterPath beam;
        beam.moveTo(w * 0.25 + head * 0.8, h * 0.12);
        beam.lineTo(w * 0.68 + head * 0.8 + w * 0.06, h * 0.06);
        beam.lineTo(w * 0.68 + head * 0.8 + w * 0.06, h * 0.16);
        beam.lineTo(w * 0.25 + head * 0.8, h * 0.22);
        beam.closeSubpath();
        g.drawPath(beam);
    } else {
        note(w * 0.4, h * 0.8);
        QPainterPath flag;
        const qreal x = w * 0.4 + head * 0.8 + w * 0.06;
        flag.moveTo(x, h * 0.12);
        flag.cubicTo(x + w * 0.3, h * 0.3, x + w * 0.25, h * 0.45, x + w * 0.1, h * 0.6);
        flag.cubicTo(x + w * 0.18, h * 0.42, x + w * 0.1, h * 0.32, x, h * 0.3);
        flag.closeSubpath();
        g.drawPath(flag);
    }
    return p;
}

// The way back: an arrow and the word, on a warm button.
QPixmap retourPicture(QSize size)
{
    QPixmap p = dessins::pictureTransparente(size);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(p.rect()).adjusted(1, 1, -1, -1);
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, kOrange);
    fill.setColorAt(1, kBurgundy);
    g.setPen(QPen(kInk, 1.5));
    g.setBrush(fill);
    g.drawRoundedRect(box, 8, 8);
    const qreal h = size.height();
    g.fillPath(platform::flecheRetour(QRectF(h * 0.15, h * 0.22, h * 0.55, h * 0.56)), Qt::white);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(static_cast<int>(h * 0.3));
    font.setBold(true);
    g.setFont(font);
    g.setPen(Qt::white);
    g.drawText(QRectF(h * 0.75, 0, box.width() - h * 0.75, h), Qt::AlignCenter,
               QStringLiteral("Retour"));
    return p;
}

} // namespace

Form_score::Form_score()
    : Form(QString::fromLatin1(formName)),
      lstScores(new ListBox(this, QStringLiteral("lstScores"))),
      Label1(new Label(this, QStringLiteral("Label1"),
                       QStringLiteral("Liste des 15 meilleurs scores"))),
      Image_retour(new Image(this, QStringLiteral("Image_retour"))),
      Picture_vainqueurs1(new PictureBox(this, QStringLiteral("Picture_vainqueurs1"))),
      Picture1(new PictureBox(this, QStringLiteral("Picture1"))),
      Picture2(new PictureBox(this, QStringLiteral("Picture2"))),
      Picture3(new PictureBox(this, QStringLiteral("Picture3"))),
      Picture4(new PictureBox(this, QStringLiteral("Picture4"))),
      Image4(new Image(this, QStringLiteral("Image4")))
{
    setClientSize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette back = palette();
    back.setColor(QPalette::Window, kCream);
    setPalette(back);

    place(*Picture_vainqueurs1, kBand);
    Picture_vainqueurs1->setPicture(bandPicture(pixels(kBand)));
    Picture_vainqueurs1->lower();

    place(*Label1, kTitle);
    QFont title(QStringLiteral("Arial"));
    title.setPointSizeF(14.25);
    title.setBold(true);
    Label1->setFont(title);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setStyleSheet(QStringLiteral("color: white; background: transparent"));

    place(*lstScores, kList);
    // The screens' one sans family, as the title.
    QFont list(QStringLiteral("Arial"));
    list.setPointSizeF(11.25);
    list.setBold(true);
    lstScores->setFont(list);

    const std::pair<PictureBox *, QRect> notes[] = {{Picture1, kNoteTopLeft},
                                                    {Picture2, kNoteTopRight},
                                                    {Picture3, kNoteBottomLeft},
                                                    {Picture4, kNoteBottomRight}};
    bool beamed = false;
    for (const auto &[box, where] : notes) {
        place(*box, where);
        box->setPicture(notePicture(pixels(where), beamed));
        beamed = !beamed;
    }
    place(*Image4, kTrophy);
    Image4->setPicture(dessins::coupe(pixels(kTrophy)));

    place(*Image_retour, kRetour);
    Image_retour->setPicture(retourPicture(pixels(kRetour)));
    Image_retour->setToolTip(QStringLiteral("Retour"));
    Image_retour->setMousePointer(vbCustom);
    connect(Image_retour, &Image::Click, this, &Form_score::Image_retour_Click);
}

Form_score::~Form_score() = default;

HighScoreList &Form_score::scoreList()
{
    if (!m_scoreList)
        m_scoreList = std::make_unique<HighScoreList>();
    return *m_scoreList;
}

void Form_score::Form_Load()
{
    Form_nombre_joueurs &choice = form_nombre_joueurs();
    setLeft(choice.Left() + kRightOfChoice);
    setTop(choice.Top() + kBelowChoice);

    HighScoreList &scores = scoreList();
    scores.SetListCount(highscores::kDefaultCount);
    scores.FileName(scores.DefaultFileName());
    scores.FillScoreList(*lstScores);
}

void Form_score::Image_retour_Click()
{
    if (m_leaving)
        return;
    m_leaving = true;
    if (auto *accueil = Screens::ifLoaded(QStringLiteral("Form_accueil"))) {
        if (auto *shape = accueil->findChild<Shape *>(QStringLiteral("Shape_score")))
            shape->setVisible(false);
    }
    if (Screens::ifLoaded<Form_score>() == this)
        Screens::unload<Form_score>();
    else
        Hide();
    form_nombre_joueurs().Show();
}

void Form_score::closeEvent(QCloseEvent *event)
{
    Image_retour_Click();
    event->accept();
}

void Form_score::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        Image_retour_Click();
        return;
    }
    Form::keyPressEvent(event);
}

Form_score &form_score()
{
    return Screens::get<Form_score>();
}

void registerForm_score()
{
    Screens::registerForm<Form_score>();
}
