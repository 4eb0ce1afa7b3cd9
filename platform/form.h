// A screen of a program: a window with its controls, loaded once and shown or hidden.
#pragma once

#include "platform/twips.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <memory>

class QEventLoop;

namespace platform {

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const QString &name);
    ~Form() override;

    // Runs once, right after the screen is created by the screens registry.
    virtual void Form_Load() {}
    // Runs when the screen is unloaded, before it is destroyed.
    virtual void Form_Unload() {}

    void Show();
    // Shows the screen as a modal window and returns once it is hidden or unloaded.
    void ShowModal();
    void Hide();
    bool isModalShown() const { return m_modalLoop != nullptr; }

    int Left() const { return pixelsToTwips(x()); }
    int Top() const { return pixelsToTwips(y()); }
    int Width() const { return pixelsToTwips(width()); }
    int Height() const { return pixelsToTwips(height()); }
    void setLeft(int twips) { move(twipsToPixels(twips), y()); }
    void setTop(int twips) { move(x(), twipsToPixels(twips)); }
    void setWidth(int twips) { resize(twipsToPixels(twips), height()); }
    void setHeight(int twips) { resize(width(), twipsToPixels(twips)); }
    // The client area, in twips.
    void setClientSize(int widthTwips, int heightTwips);
    // Left = (screen width - width) / 2, Top likewise.
    void centre();

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString &caption) { setWindowTitle(caption); }

    // The screen's own picture, drawn behind its controls at the top-left corner.
    QPixmap Picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

    // The screen size in twips: the host window's when there is one, else the primary screen's.
    static int screenWidth();
    static int screenHeight();

    // Waits until the display has what the screens have painted so far, running no event:
    // unlike QGuiApplication::sync(), a handler that calls it still has its screen afterwards.
    static void syncDisplay();

    // The full-screen window that the game's screens are shown in; none for ordinary windows.
    static void setHostWindow(QWidget *host);
    static QWidget *hostWindow();

    // Key preview: Form_KeyDown sees every key pressed in the screen before the control
    // that has the focus does (a list box does not swallow a letter); the key is not consumed.
    void setKeyPreview(bool on);
    // The key as a virtual-key number (platform/virtualkeys.h) and the shift state.
    virtual void Form_KeyDown(int /*KeyCode*/, int /*Shift*/) {}

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    friend class Screens;
    // What the screens registry does as it unloads the screen.
    void markUnloaded();

    class KeyPreviewFilter;
    QPixmap m_picture;
    QEventLoop *m_modalLoop = nullptr;
    std::unique_ptr<KeyPreviewFilter> m_keyPreview;
    bool m_unloaded = false;
};

} // namespace platform
