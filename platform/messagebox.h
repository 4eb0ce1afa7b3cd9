// Message boxes: text, style code and title in, the button pressed out.
#pragma once

#include <QString>
#include <functional>

namespace platform {

// Style codes (add them up) and the answers, as the screens use them.
enum MsgBoxStyle {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};
enum MsgBoxAnswer { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// A box without a title of its own carries the application's display name.
int MsgBox(const QString &text, int style = vbOKOnly, const QString &title = {});

// A box with an OK button that does not hold up its caller: it is shown and the call returns
// at once; the screens beneath go on taking keys and ticks.
void MsgBoxSansAttente(const QString &text, const QString &title = {});

// Tests answer the boxes instead of a person; an empty answerer restores real boxes.
using MsgBoxAnswerer = std::function<int(const QString &text, int style, const QString &title)>;
void setMsgBoxAnswerer(MsgBoxAnswerer answerer);

} // namespace platform
