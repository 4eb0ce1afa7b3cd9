// A program folder fixture for the start-up and game-choice screens: lock keys that only
// record, and program starts that are recorded instead of made.
#pragma once

#include "game/setup/form_accueil.h"
#include "platform/keyboardlocks.h"
#include "platform/process.h"
#include "support/programfoldertest.h"
#include "support/recordingstarter.h"

#include <map>
#include <vector>

struct FakeLocks : platform::KeyboardLocks {
    std::map<platform::LockKey, std::optional<bool>> state;
    std::vector<std::pair<platform::LockKey, bool>> changes;

    std::optional<bool> isOn(platform::LockKey key) override
    {
        auto it = state.find(key);
        return it == state.end() ? std::nullopt : it->second;
    }
    void setOn(platform::LockKey key, bool on) override
    {
        changes.emplace_back(key, on);
        state[key] = on;
    }
};

// The welcome screen as the game choice finds it in the game: its countdown over, its settings
// read. Its timer ticks on, at any moment and inside a modal window too, changing nothing.
inline Form_accueil &accueilTermine()
{
    Form_accueil &accueil = form_accueil();
    while (accueil.Label_timer->Caption().toInt() > 0)
        accueil.Timer1_Timer();
    return accueil;
}

class EcransTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        auto locks = std::make_unique<FakeLocks>();
        m_locks = locks.get();
        platform::setKeyboardLocks(std::move(locks));
        platform::setProcessStarter(std::make_unique<RecordingStarter>(&m_started));
    }
    void TearDown() override
    {
        ProgramFolderTest::TearDown();
        platform::setKeyboardLocks(nullptr);
        platform::setProcessStarter(nullptr);
    }

    // A KSV.tpq with its 11 items as given.
    void writeReglages(const QByteArray &items) { writeFile("KSV.tpq", items + "\r\n"); }
    // themes.tpq with every switch "non" but the one at `on` (1-based; 0 for none).
    void writeThemes(int on)
    {
        QByteArray line;
        for (int k = 1; k <= 26; ++k)
            line += QByteArray(k == on ? "\"oui\"" : "\"non\"") + (k < 26 ? "," : "\r\n");
        writeFile("themes.tpq", line);
    }

    FakeLocks *m_locks = nullptr;
    std::vector<QString> m_started;
};
