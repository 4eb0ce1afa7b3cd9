#include "platform/controls.h"
#include "support/touches.h"

#include <QCoreApplication>
#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

using namespace platform;

TEST(Controls, PositionsAndSizesAreInTwips)
{
    QWidget parent;
    Label label(&parent, "Label_x");
    label.Move(300, 150, 1500, 450);
    EXPECT_EQ(label.geometry(), QRect(20, 10, 100, 30));
    label.setLeft(600);
    EXPECT_EQ(label.Left(), 600);
    EXPECT_EQ(label.Top(), 150);
    EXPECT_EQ(label.Width(), 1500);
}

TEST(Controls, PressingAButtonByCodeRunsItsHandlerAtOnceEvenHiddenOrDisabled)
{
    QWidget parent;
    CommandButton button(&parent, "Command_x");
    int clicks = 0;
    QObject::connect(&button, &CommandButton::Click, [&] { ++clicks; });
    button.setVisible(false);
    button.setEnabled(false);
    button.setValue(true);
    EXPECT_EQ(clicks, 1);
    button.setValue(false);
    EXPECT_EQ(clicks, 1);
}

TEST(Controls, ChangingACheckBoxByCodeRunsItsHandlerOnlyOnChange)
{
    QWidget parent;
    CheckBox box(&parent, "Check_x");
    int clicks = 0;
    QObject::connect(&box, &CheckBox::Click, [&] { ++clicks; });
    box.setValue(1);
    box.setValue(1);
    EXPECT_EQ(box.Value(), 1);
    box.setValue(0);
    EXPECT_EQ(clicks, 2);
}

// Captions come from files and players: what they hold is shown, never obeyed.
TEST(Controls, CaptionsShowAsWrittenWithoutMarkupOrShortcuts)
{
    QWidget parent;
    Label label(&parent, "Label_x", "<font color=red>Do</font> <img src=/etc/x.png>");
    label.Move(0, 0, 6000, 600);
    const QImage image = label.grab().toImage();
    int rouges = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            rouges += c.red() > 150 && c.green() < 100 && c.blue() < 100;
        }
    EXPECT_EQ(rouges, 0);

    // A screen's own caption marks its shortcut letter; one set afterwards marks nothing.
    CommandButton bouton(&parent, "Command_x", "&Fin");
    EXPECT_FALSE(bouton.shortcut().isEmpty());
    CheckBox box(&parent, "Check_x");
    OptionButton option(&parent, "Option_x");
    bouton.setCaption("&Fin");
    box.setCaption("Rock & Pop");
    option.setCaption("A&&B");
    EXPECT_EQ(bouton.Caption(), "&Fin");
    EXPECT_EQ(box.Caption(), "Rock & Pop");
    EXPECT_EQ(option.Caption(), "A&&B");
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{&box, &option, &bouton})
        EXPECT_TRUE(b->shortcut().isEmpty()) << qPrintable(b->objectName());
}

TEST(Controls, VisibleIsTheControlsOwnFlagWhileItsScreenIsHidden)
{
    QWidget parent; // never shown
    Label label(&parent, "Label_x");
    EXPECT_TRUE(label.Visible());
    label.setVisible(false);
    EXPECT_FALSE(label.Visible());
}

TEST(Controls, AppearanceAndColoursAreKeptAsSet)
{
    QWidget parent;
    Label label(&parent, "Label_x");
    label.setAppearance(1);
    label.setBackColor(kSystemWindowColour);
    EXPECT_EQ(label.Appearance(), 1);
    EXPECT_EQ(label.BackColor(), kSystemWindowColour);
    EXPECT_EQ(toQColor(0xFF0000), QColor(Qt::blue));
    EXPECT_EQ(toQColor(0xFF), QColor(Qt::red));
    EXPECT_EQ(toQColor(0x80FF), QColor(255, 128, 0));
    // The active title bar's colour marks answer 2 and controller button 2: never the plain
    // window colour it would vanish into.
    EXPECT_NE(toQColor(0x80000002), toQColor(0x8000000F));
    EXPECT_NE(toQColor(0x80000002), QColor(Qt::white));
}

TEST(Controls, ATimerRunsOnlyWhenEnabledWithAnInterval)
{
    QObject owner;
    Timer timer(&owner, "Timer1");
    timer.setEnabled(true);
    EXPECT_TRUE(timer.Enabled());
    timer.setInterval(1000);
    EXPECT_EQ(timer.Interval(), 1000);
    timer.setEnabled(false);
    EXPECT_FALSE(timer.Enabled());
}

// The list takes the focus and Qt makes its first row current: the user chose nothing yet.
TEST(Controls, AListRunsClickOnlyForTheUsersClicksAndKeys)
{
    QWidget parent;
    ListBox list(&parent, "List_x");
    list.Move(0, 0, 1500, 1500);
    for (const char *entree : {"a", "b", "c"})
        list.AddItem(QString::fromLatin1(entree));
    int clicks = 0;
    QObject::connect(&list, &ListBox::Click, [&] { ++clicks; });
    parent.show();
    parent.activateWindow();
    list.setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(list.ListIndex(), 0);
    list.setListIndex(1);
    EXPECT_EQ(clicks, 0);

    cliquerEntree(&list, 2);
    EXPECT_EQ(clicks, 1);
    cliquerEntree(&list, 2); // again on the same entry
    EXPECT_EQ(clicks, 2);
    appuyer(&list, Qt::Key_Up);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(list.ListIndex(), 1);
}
