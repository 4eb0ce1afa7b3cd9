#include "platform/controls.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace platform {

Label::Label(QWidget *parent, const QString &name, const QString &caption)
    : Control<QLabel>(parent, name)
{
    // Captions come from files and players: "<p>" or "<img src=...>" are text, not markup.
    setTextFormat(Qt::PlainText);
    setText(caption);
    setWordWrap(true);
}

void Label::setAppearance(int appearance)
{
    m_appearance = appearance;
    if (appearance == 1) {
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        setLineWidth(2);
    } else {
        setFrameStyle(QFrame::NoFrame);
    }
}

// Press and release come from any button, as the screens expect; a click only from the left.
void Label::mousePressEvent(QMouseEvent *event)
{
    emit MouseDown();
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    emit MouseUp();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
    QLabel::mouseReleaseEvent(event);
}

Image::Image(QWidget *parent, const QString &name) : Control<QLabel>(parent, name)
{
}

void Image::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    if (!m_stretch && !picture.isNull())
        resize(picture.size());
    refresh();
}

void Image::setStretch(bool stretch)
{
    m_stretch = stretch;
    refresh();
}

void Image::refresh()
{
    if (m_picture.isNull())
        clear();
    else if (m_stretch)
        setPixmap(m_picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    else
        setPixmap(m_picture);
}

void Image::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    if (m_stretch)
        refresh();
}

void Image::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
    QLabel::mouseReleaseEvent(event);
}

Shape::Shape(QWidget *parent, const QString &name) : Control<QFrame>(parent, name)
{
}

PictureBox::PictureBox(QWidget *parent, const QString &name) : Control<QLabel>(parent, name)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
    QLabel::mouseReleaseEvent(event);
}

CommandButton::CommandButton(QWidget *parent, const QString &name, const QString &caption)
    : CaptionedButton<QPushButton>(parent, name, caption)
{
    connect(this, &QPushButton::clicked, this, &CommandButton::Click);
}

void CommandButton::setValue(bool pressed)
{
    if (pressed)
        emit Click();
}

CheckBox::CheckBox(QWidget *parent, const QString &name, const QString &caption)
    : CaptionedButton<QCheckBox>(parent, name, caption)
{
    connect(this, &QCheckBox::toggled, this, &CheckBox::Click);
}

OptionButton::OptionButton(QWidget *parent, const QString &name, const QString &caption)
    : CaptionedButton<QRadioButton>(parent, name, caption)
{
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            emit Click();
    });
}

TextBox::TextBox(QWidget *parent, const QString &name, const QString &text)
    : Control<QLineEdit>(parent, name)
{
    QLineEdit::setText(text);
    connect(this, &QLineEdit::textChanged, this, &TextBox::Change);
}

ListBox::ListBox(QWidget *parent, const QString &name) : Control<QListWidget>(parent, name)
{
}

void ListBox::parUtilisateur(const std::function<void()> &traitement, bool surUneEntree)
{
    const auto choisie = [this](int row) { return row >= 0 && item(row)->isSelected(); };
    const int avant = currentRow();
    const bool choisieAvant = choisie(avant);
    traitement();
    const int apres = currentRow();
    if (apres >= 0 && (surUneEntree || apres != avant || choisie(apres) != choisieAvant))
        emit Click();
}

void ListBox::mousePressEvent(QMouseEvent *event)
{
    const bool surUneEntree = itemAt(event->position().toPoint()) != nullptr;
    parUtilisateur([this, event] { Control<QListWidget>::mousePressEvent(event); }, surUneEntree);
}

void ListBox::mouseMoveEvent(QMouseEvent *event)
{
    parUtilisateur([this, event] { Control<QListWidget>::mouseMoveEvent(event); });
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    parUtilisateur([this, event] { Control<QListWidget>::keyPressEvent(event); });
}

QString ListBox::List(int index) const
{
    const QListWidgetItem *it = item(index);
    return it ? it->text() : QString();
}

Timer::Timer(QObject *parent, const QString &name, int interval, bool enabled) : QObject(parent)
{
    setObjectName(name);
    // Clocks that players watch: a coarse timer would let a second drift by 5 %.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(interval);
    m_enabled = enabled;
    connect(&m_timer, &QTimer::timeout, this, &Timer::Tick);
    apply();
}

void Timer::setEnabled(bool enabled)
{
    // Switching on a timer that already runs keeps its period going: a clock that is told
    // again to run must not lose the part of a second it has counted.
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    apply();
}

void Timer::setInterval(int milliseconds)
{
    m_timer.setInterval(milliseconds);
    if (m_enabled && milliseconds > 0)
        m_timer.start(); // a new interval starts a new period
    else
        apply();
}

// Like the timers the screens were written for: a timer runs only when enabled with a
// non-zero interval; off then on, or a new interval, restarts its count.
void Timer::apply()
{
    if (m_enabled && m_timer.interval() > 0) {
        if (!m_timer.isActive())
            m_timer.start();
    } else {
        m_timer.stop();
    }
}

namespace {
std::function<void()> &doEventsHook()
{
    static std::function<void()> hook;
    return hook;
}
} // namespace

void DoEvents()
{
    if (doEventsHook()) {
        // A copy: the script may replace itself while it runs.
        const std::function<void()> hook = doEventsHook();
        hook();
        return;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void setDoEventsHook(std::function<void()> hook)
{
    doEventsHook() = std::move(hook);
}

} // namespace platform
