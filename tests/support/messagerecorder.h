// Message boxes answered for a test instead of a person, each kept for the test to read.
#pragma once

#include "platform/messagebox.h"

#include <QString>

#include <functional>
#include <vector>

struct Message {
    QString text;
    int style;
    QString title;
};

// A fixture's base beside ProgramFolderTest, whose TearDown removes the answerer.
class MessageRecorder {
protected:
    // From now on every box is kept in m_messages and answered with m_reponse, after
    // m_pendantMessage has run (what happens while the box holds up its caller).
    void enregistrerMessages()
    {
        platform::setMsgBoxAnswerer([this](const QString &text, int style, const QString &title) {
            m_messages.push_back({text, style, title});
            if (m_pendantMessage)
                m_pendantMessage();
            return m_reponse;
        });
    }

    std::vector<Message> m_messages;
    int m_reponse = platform::vbOK;
    std::function<void()> m_pendantMessage;
};
