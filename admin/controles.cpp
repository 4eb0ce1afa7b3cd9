#include "admin/controles.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace admin {

ComboBox::ComboBox(QWidget *parent, const QString &name) : Control<QComboBox>(parent, name)
{
    setEditable(false);
}

void ComboBox::remplir(const QStringList &entrees)
{
    clear();
    addItems(entrees);
    setCurrentIndex(-1);
}

void ComboBox::choisir(const QString &texte)
{
    const int index = findText(texte, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        setCurrentIndex(index);
}

Frame::Frame(QWidget *parent, const QString &name, const QString &caption)
    : Control<QGroupBox>(parent, name)
{
    setTitle(caption);
}

void BoutonMultiligne::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(rect().adjusted(4, 2, -4, -2), Qt::AlignCenter | Qt::TextWordWrap, Caption());
}

} // namespace admin
