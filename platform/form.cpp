#include "platform/form.h"

#include "platform/virtualkeys.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

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
        if (widget != m_form && !m_form->isAncestorOf(widget))
            return false;
        if (event == m_derniere && m_receveur && widget->isAncestorOf(m_receveur))
            return false;
        m_derniere = event;
        m_receveur = widget;
        const auto &key = static_cast<const QKeyEvent &>(*event);
        m_form->Form_KeyDown(virtualKeyCode(key), shiftState(key));
        return false;
    }

private:
    Form *m_form;
    const QEvent *m_derniere = nullptr;
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

void Form::setHostWindow(QWidget *h)
{
    host() = h;
}

QWidget *Form::hostWindow()
{
    return host();
}

} // namespace platform
