// A fixture for the championship on the game screen: participants with names and avatar
// paths of their own, message boxes answered and recorded.
#pragma once

#include "game/avatars/form_photos.h"
#include "game/match/form_jeu.h"
#include "support/programfoldertest.h"

#include <QStringList>

class ChampionshipTest : public ProgramFolderTest {
protected:
    void SetUp() override;
    void TearDown() override;

    static QString nomParticipant(int p) { return QStringLiteral("Élève %1").arg(p); }
    static QString cheminParticipant(int p)
    {
        return QStringLiteral("/avatars/eleve%1.gif").arg(p);
    }
    static QString nomCase(const QString &code) { return QStringLiteral("Gagnant ") + code; }
    static QString cheminCase(const QString &code) { return QStringLiteral("/cases/") + code; }

    // Names and paths typed on the avatar screen for all 32 slots, and its participant count.
    void participants(const QString &count);

    QStringList messages;
};
