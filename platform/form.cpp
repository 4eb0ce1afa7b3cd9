#include "platform/form.h"

#include "platform/controls.h"
#include "platform/virtualkeys.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMovie>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <cstdlib>

#include <xcb/xcb.h>

namespace platform {
namespace {
QPointer<QWidget> &host()
{
    static QPointer<QWidget> instance;
    return instance;
}
} // namespace

Form::Form(const QString &name)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose, false);
    hide();
}

// Watches the whole application's key presses and hands those aimed at the screen, or at
// any of its controls, to Form_KeyDown once. A press that a control ignores travels on to its
// parents as the same event: only its first receiver counts.
class Form::KeyPreviewFilter : public QObject {
public:
    explicit KeyPreviewFilter(Form *form) : m_form(form) { qApp->installEventFilter(this); }
    ~KeyPreviewFilter() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyRelease) {
            m_derniere = nullptr;
            return false;
        }
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        // A shown screen of the host window is the active screen: the keys that go to the
        // host, or to a control of a screen beneath it, are its keys too.
        const bool dedans = widget == m_form || m_form->isAncestorOf(widget);
        const bool hote =
            m_form->isVisible() && !m_form->isWindow() && widget->window() == m_form->window();
        if (!dedans && !hote)
            return false;
        const auto &key = static_cast<const QKeyEvent &>(*event);
        if (event == m_derniere && key.timestamp() == m_horodatage && m_receveur &&
            widget != m_receveur && widget->isAncestorOf(m_receveur))
            return false;
        m_derniere = event;
        m_horodatage = key.timestamp();
        m_receveur = widget;
        m_form->Form_KeyDown(virtualKeyCode(key), shiftState(key));
        return false;
    }

private:
    Form *m_form;
    const QEvent *m_derniere = nullptr;
    quint64 m_horodatage = 0;
    QPointer<QWidget> m_receveur;
};

void Form::setKeyPreview(bool on)
{
    if (on && !m_keyPreview)
        m_keyPreview = std::make_unique<KeyPreviewFilter>(this);
    else if (!on)
        m_keyPreview.reset();
}

Form::~Form()
{
    if (m_modalLoop)
        m_modalLoop->quit();
}

// An unloaded screen lives on until the handler that unloaded it has returned, and events may
// run before that (a modal window, DoEvents): neither a tick of its timers nor a call queued to
// it or to its controls may reach it any more.
void Form::markUnloaded()
{
    m_unloaded = true;
    for (Timer *timer : findChildren<Timer *>())
        timer->setEnabled(false);
    for (QTimer *timer : findChildren<QTimer *>())
        timer->stop();
    for (QMovie *movie : findChildren<QMovie *>())
        movie->setPaused(true);
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    for (QObject *child : findChildren<QObject *>())
        QCoreApplication::removePostedEvents(child, QEvent::MetaCall);
}

bool Form::event(QEvent *event)
{
    // Nor one queued by the rest of the handler that unloaded it.
    if (m_unloaded && event->type() == QEvent::MetaCall)
        return true;
    return QWidget::event(event);
}

void Form::setClientSize(int widthTwips, int heightTwips)
{
    resize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
}

void Form::centre()
{
    setLeft((screenWidth() - Width()) / 2);
    setTop((screenHeight() - Height()) / 2);
}

void Form::Show()
{
    if (host() && host() != this && parentWidget() != host() && !isModalShown()) {
        const QRect g = geometry();
        setParent(host());
        setGeometry(g);
    }
    show();
    raise();
}

void Form::ShowModal()
{
    if (m_modalLoop)
        return;
    // A modal screen is a real dialog window, centred where its Left and Top place it.
    const QRect g = geometry();
    const QPoint origin = host() ? host()->mapToGlobal(QPoint(0, 0)) : QPoint(0, 0);
    setParent(host(), Qt::Dialog | Qt::FramelessWindowHint);
    setWindowModality(Qt::ApplicationModal);
    setGeometry(g.translated(origin));
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    m_modalLoop = &loop;
    QPointer<Form> self(this);
    loop.exec();
    if (self) {
        m_modalLoop = nullptr;
        setWindowModality(Qt::NonModal);
    }
}

void Form::Hide()
{
    hide();
    if (m_modalLoop)
        m_modalLoop->quit();
}

void Form::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void Form::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (!m_picture.isNull()) {
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_picture);
    }
}

int Form::screenWidth()
{
    if (host())
        return pixelsToTwips(host()->width());
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? pixelsToTwips(screen->geometry().width()) : pixelsToTwips(800);
}

int Form::screenHeight()
{
    if (host())
        return pixelsToTwips(host()->height());
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? pixelsToTwips(screen->geometry().height()) : pixelsToTwips(600);
}

void Form::syncDisplay()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    // The server answers once it has handled every request sent before, the frame included.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

void Form::setHostWindow(QWidget *h)
{
    host() = h;
}

QWidget *Form::hostWindow()
{
    return host();
}

} // namespace platform
