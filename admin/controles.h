// The two kinds of control that only the administration tool uses: a pick-only drop-down
// list and a frame with a caption.
#pragma once

#include "platform/controls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QStringList>

namespace admin {

// A drop-down list the user picks from and cannot type in; ListIndex -1 is no selection.
class ComboBox : public platform::Control<QComboBox> {
    Q_OBJECT
public:
    ComboBox(QWidget *parent, const QString &name);

    // Replaces every entry; afterwards nothing is selected.
    void remplir(const QStringList &entrees);
    int ListCount() const { return count(); }
    QString List(int index) const { return itemText(index); }
    int ListIndex() const { return currentIndex(); }
    void setListIndex(int index) { setCurrentIndex(index); }
    // The selected entry's text; the empty text when nothing is selected.
    QString Text() const { return currentIndex() < 0 ? QString() : currentText(); }
    // Selects the entry whose text is exactly `texte`; with none, the selection stays.
    void choisir(const QString &texte);
};

class Frame : public platform::Control<QGroupBox> {
    Q_OBJECT
public:
    Frame(QWidget *parent, const QString &name, const QString &caption);
};

// A command button whose caption wraps over several lines when it is wider than the button.
class BoutonMultiligne : public platform::CommandButton {
    Q_OBJECT
public:
    using CommandButton::CommandButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace admin
