#include "editor/toolbaricons.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace editor {

namespace {

constexpr int kTaille = 16;

QPixmap lettre(const QString &texte, bool gras, bool italique, bool souligne)
{
    QPixmap p(kTaille, kTaille);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(14);
    f.setBold(gras);
    f.setItalic(italique);
    f.setUnderline(souligne);
    painter.setFont(f);
    painter.drawText(p.rect(), Qt::AlignCenter, texte);
    return p;
}

// Four lines of text aligned left, centred or right.
QPixmap alignement(Qt::Alignment a)
{
    QPixmap p(kTaille, kTaille);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    const int longueurs[4] = {14, 9, 14, 9};
    for (int i = 0; i < 4; ++i) {
        const int l = longueurs[i];
        const int x = a == Qt::AlignLeft ? 1 : a == Qt::AlignRight ? 15 - l : (16 - l) / 2;
        painter.drawLine(x, 2 + i * 4, x + l - 1, 2 + i * 4);
    }
    return p;
}

// Drawn here rather than taken from the desktop's icon theme, whose look-up slows the start.
QPixmap dessin(const QString &key)
{
    QPixmap p(kTaille, kTaille);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    painter.setRenderHint(QPainter::Antialiasing);
    if (key == u"New") {
        // A page with its corner folded.
        painter.setBrush(Qt::white);
        painter.drawPolygon(QPolygonF({QPointF(3, 1), QPointF(10, 1), QPointF(13, 4),
                                       QPointF(13, 15), QPointF(3, 15)}));
        painter.drawPolyline(QPolygonF({QPointF(10, 1), QPointF(10, 4), QPointF(13, 4)}));
    } else if (key == u"Open") {
        // A folder, open.
        painter.setBrush(QColor(0xE8, 0xC0, 0x50));
        painter.drawPolygon(QPolygonF({QPointF(1, 3), QPointF(6, 3), QPointF(7, 5),
                                       QPointF(13, 5), QPointF(13, 14), QPointF(1, 14)}));
        painter.setBrush(QColor(0xF8, 0xD8, 0x70));
        painter.drawPolygon(
            QPolygonF({QPointF(3, 8), QPointF(15, 8), QPointF(13, 14), QPointF(1, 14)}));
    } else if (key == u"Save") {
        // A diskette.
        painter.setBrush(QColor(0x30, 0x50, 0x90));
        painter.drawRect(1, 1, 14, 14);
        painter.setBrush(Qt::white);
        painter.drawRect(4, 1, 8, 5);
        painter.setBrush(Qt::lightGray);
        painter.drawRect(4, 9, 8, 6);
    } else if (key == u"Print") {
        painter.drawRect(4, 1, 8, 5);
        painter.setBrush(Qt::lightGray);
        painter.drawRect(1, 6, 14, 6);
        painter.setBrush(Qt::white);
        painter.drawRect(4, 10, 8, 5);
    } else if (key == u"Cut") {
        painter.drawEllipse(1, 10, 5, 5);
        painter.drawEllipse(10, 10, 5, 5);
        painter.drawLine(5, 10, 12, 1);
        painter.drawLine(11, 10, 4, 1);
    } else if (key == u"Copy") {
        painter.setBrush(Qt::white);
        painter.drawRect(1, 1, 9, 11);
        painter.drawRect(6, 4, 9, 11);
    } else if (key == u"Paste") {
        painter.setBrush(QColor(0xC0, 0x90, 0x50));
        painter.drawRect(2, 2, 11, 13);
        painter.setBrush(Qt::white);
        painter.drawRect(6, 6, 9, 9);
    }
    return p;
}

} // namespace

QIcon iconeBouton(const QString &key)
{
    if (key == u"Bold")
        return QIcon(lettre(QStringLiteral("G"), true, false, false));
    if (key == u"Italic")
        return QIcon(lettre(QStringLiteral("I"), false, true, false));
    if (key == u"Underline")
        return QIcon(lettre(QStringLiteral("S"), false, false, true));
    if (key == u"Align Left")
        return QIcon(alignement(Qt::AlignLeft));
    if (key == u"Center")
        return QIcon(alignement(Qt::AlignHCenter));
    if (key == u"Align Right")
        return QIcon(alignement(Qt::AlignRight));
    return QIcon(dessin(key));
}

QIcon iconeProgramme()
{
    QPixmap p(32, 32);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x20, 0x50, 0xA0));
    painter.drawRoundedRect(p.rect(), 6, 6);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(7, 19, 10, 8));
    painter.drawRect(QRectF(15, 6, 2.5, 17));
    painter.drawPolygon(
        QPolygonF({QPointF(17.5, 6), QPointF(25, 10), QPointF(25, 14), QPointF(17.5, 10)}));
    return QIcon(p);
}

} // namespace editor
