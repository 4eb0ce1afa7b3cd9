// The controls that screens are built from: Qt widgets with the properties the screens use.
// Positions and sizes are in twips, colours 0xBBGGRR; each control's objectName is its name.
#pragma once

#include "platform/colours.h"
#include "platform/twips.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cstdint>
#include <functional>

namespace platform {

// Mouse pointers: the default one, and a control's own (a pointing hand).
inline constexpr int vbDefault = 0;
inline constexpr int vbCustom = 99;

// What every control shares. W is the Qt widget it stands on.
template <class W> class Control : public W {
public:
    explicit Control(QWidget *parent, const QString &name) : W(parent)
    {
        this->setObjectName(name);
    }

    int Left() const { return pixelsToTwips(this->x()); }
    int Top() const { return pixelsToTwips(this->y()); }
    int Width() const { return pixelsToTwips(this->width()); }
    int Height() const { return pixelsToTwips(this->height()); }
    void setLeft(int twips) { this->move(twipsToPixels(twips), this->y()); }
    void setTop(int twips) { this->move(this->x(), twipsToPixels(twips)); }
    void setWidth(int twips) { this->resize(twipsToPixels(twips), this->height()); }
    void setHeight(int twips) { this->resize(this->width(), twipsToPixels(twips)); }
    void Move(int left, int top, int width, int height)
    {
        this->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                          twipsToPixels(height));
    }

    // The control's own flag, whether or not its screen is shown.
    bool Visible() const { return !this->isHidden(); }
    bool Enabled() const { return this->isEnabled(); }

    std::uint32_t BackColor() const { return m_backColor; }
    void setBackColor(std::uint32_t colour)
    {
        m_backColor = colour;
        this->setAutoFillBackground(true);
        QPalette p = this->palette();
        p.setColor(this->backgroundRole(), toQColor(colour));
        this->setPalette(p);
    }
    std::uint32_t ForeColor() const { return m_foreColor; }
    void setForeColor(std::uint32_t colour)
    {
        m_foreColor = colour;
        QPalette p = this->palette();
        p.setColor(this->foregroundRole(), toQColor(colour));
        this->setPalette(p);
    }

    int MousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer)
    {
        m_mousePointer = pointer;
        if (pointer == vbCustom)
            this->setCursor(Qt::PointingHandCursor);
        else
            this->unsetCursor();
    }

    void setFontSize(int points)
    {
        QFont f = this->font();
        f.setPointSize(points);
        this->setFont(f);
    }
    void setFontBold(bool bold)
    {
        QFont f = this->font();
        f.setBold(bold);
        this->setFont(f);
    }

private:
    std::uint32_t m_backColor = kSystemButtonFace;
    std::uint32_t m_foreColor = kSystemButtonText;
    int m_mousePointer = vbDefault;
};

// A caption that can be clicked, shown as plain text whatever it holds. Appearance 1 is the
// raised look, 0 flat; screens also keep state in it.
class Label : public Control<QLabel> {
    Q_OBJECT
public:
    Label(QWidget *parent, const QString &name, const QString &caption = {});

    QString Caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }
    int Appearance() const { return m_appearance; }
    void setAppearance(int appearance);

signals:
    void Click();
    void MouseDown();
    void MouseUp();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_appearance = 0;
};

// A picture that can be clicked; Stretch scales the picture to the control.
class Image : public Control<QLabel> {
    Q_OBJECT
public:
    Image(QWidget *parent, const QString &name);

    QPixmap Picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);
    bool Stretch() const { return m_stretch; }
    void setStretch(bool stretch);

signals:
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void refresh();
    QPixmap m_picture;
    bool m_stretch = false;
};

// A plain coloured area or frame, also used as a container.
class Shape : public Control<QFrame> {
    Q_OBJECT
public:
    Shape(QWidget *parent, const QString &name);
};

// A container with an optional picture behind its children.
class PictureBox : public Control<QLabel> {
    Q_OBJECT
public:
    PictureBox(QWidget *parent, const QString &name);
    QPixmap Picture() const { return pixmap(); }
    void setPicture(const QPixmap &picture) { setPixmap(picture); }

signals:
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A button or box with a caption. The caption it is made with is the screen's own, where "&"
// marks a shortcut letter; a caption set afterwards may come from a file or a player and is
// shown as written, "&" included.
template <class W> class CaptionedButton : public Control<W> {
public:
    CaptionedButton(QWidget *parent, const QString &name, const QString &caption)
        : Control<W>(parent, name)
    {
        W::setText(caption);
    }
    // The caption as setCaption was given it.
    QString Caption() const
    {
        QString caption = W::text();
        return caption.replace(QLatin1String("&&"), QLatin1String("&"));
    }
    void setCaption(const QString &caption)
    {
        QString shown = caption;
        W::setText(shown.replace(u'&', QLatin1String("&&")));
    }

private:
    // The widget's own text holds the doubled marks: read and set it through Caption.
    using W::setText;
    using W::text;
};

// Setting Value to true presses the button: its Click handler runs at once, to its end,
// even when the button is hidden or disabled.
class CommandButton : public CaptionedButton<QPushButton> {
    Q_OBJECT
public:
    CommandButton(QWidget *parent, const QString &name, const QString &caption = {});
    void setValue(bool pressed);

signals:
    void Click();
};

// Value 0 unticked, 1 ticked. A change, by the user or by code, runs Click.
class CheckBox : public CaptionedButton<QCheckBox> {
    Q_OBJECT
public:
    CheckBox(QWidget *parent, const QString &name, const QString &caption = {});
    int Value() const { return isChecked() ? 1 : 0; }
    void setValue(int value) { setChecked(value != 0); }

signals:
    void Click();
};

// Selecting an option, by the user or by code, runs Click.
class OptionButton : public CaptionedButton<QRadioButton> {
    Q_OBJECT
public:
    OptionButton(QWidget *parent, const QString &name, const QString &caption = {});
    bool Value() const { return isChecked(); }
    void setValue(bool value) { setChecked(value); }

signals:
    void Click();
};

// A one-line text box; Change runs on every change of its text, by the user or by code.
class TextBox : public Control<QLineEdit> {
    Q_OBJECT
public:
    TextBox(QWidget *parent, const QString &name, const QString &text = {});
    QString Text() const { return text(); }
    void setText(const QString &t) { QLineEdit::setText(t); }

signals:
    void Change();
};

// A list; ListIndex -1 is no selection. Click runs only when the user clicks an entry or moves
// the selection with the keys: never when code sets the row, nor when the list takes the focus
// (Qt then makes its first row current). Code that sets a row runs the handler itself.
class ListBox : public Control<QListWidget> {
    Q_OBJECT
public:
    ListBox(QWidget *parent, const QString &name);
    void AddItem(const QString &item) { addItem(item); }
    void Clear() { clear(); }
    int ListCount() const { return count(); }
    QString List(int index) const;
    int ListIndex() const { return currentRow(); }
    void setListIndex(int index) { setCurrentRow(index); }

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Runs Qt's own handling of the user's input; a changed current or selected entry is a
    // click, and so is any press on an entry (`surUneEntree`).
    void parUtilisateur(const std::function<void()> &traitement, bool surUneEntree = false);
};

// A timer of a screen: Enabled and Interval (milliseconds); Tick runs at each tick. Enabling
// a timer that is already on does not restart its period.
class Timer : public QObject {
    Q_OBJECT
public:
    Timer(QObject *parent, const QString &name, int interval = 0, bool enabled = false);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    int Interval() const { return m_timer.interval(); }
    void setInterval(int milliseconds);
    // Milliseconds to the next tick, -1 when off.
    int RemainingTime() const { return m_timer.remainingTime(); }

signals:
    void Tick();

private:
    void apply();
    QTimer m_timer;
    bool m_enabled = false;
};

// Lets pending window events run, timers and clicks included.
void DoEvents();
// Tests script what happens inside DoEvents (a tick, a click); an empty hook restores it.
void setDoEventsHook(std::function<void()> hook);

} // namespace platform
