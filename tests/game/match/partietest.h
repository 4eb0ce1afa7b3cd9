// A fixture for matches on the game screen: players set up through the avatar screen's
// "Suite", settings written into the store, a fake question program that writes the next
// question.tpq of a list, scripted random draws and DoEvents, and every sound, voice and box
// recorded.
#pragma once

#include "fakes/recordingsound.h"
#include "fakes/recordingspeech.h"
#include "game/match/form_jeu.h"
#include "support/programfoldertest.h"

#include <QByteArray>
#include <QStringList>

#include <deque>
#include <random>
#include <vector>

class PartieTest : public ProgramFolderTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The avatar screen's "Suite" for `count` participants; "score" prepares a score game
    // of 20 questions.
    Form_jeu &ouvrir(const QString &count, bool jeuScore = false);
    // Settings of the store, given after the screen is open (its load re-reads the files).
    struct Reglages {
        QString type = "question";
        QString questions = "20";
        QString secondes = "120";
        QString vrai = "Ding";
        QString faux = "Buzzer";
        QString perdus = "0";
        QString gagnes = "1";
        bool tictac = false;
        bool speech = false;
        QStringList themes{"compos"};
    };
    void regler(const Reglages &r);

    // One question.tpq record.
    static QByteArray question(const QString &texte, const QStringList &reponses,
                               const QString &bonne, const QString &image = {},
                               const QString &son = {}, const QString &module = {});
    // The fake program writes these, one per start; the last one stays.
    void questions(std::vector<QByteArray> records);

    Form_jeu &jeu();
    // One tick of each timer that is on, as the screen's clock would give them.
    void seconde();
    // The countdown runs to the question shown.
    void compteARebours();
    void touche(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    std::vector<QString> m_started;
    std::deque<QByteArray> m_questions;
    std::deque<double> m_tirages; // random draws; from a fixed sequence when none is left
    std::mt19937 m_hasard{2024};
    QStringList m_messages;
    std::shared_ptr<platform::SoundRecord> m_sons;
    std::shared_ptr<platform::AudioRecord> m_audio;
    std::shared_ptr<platform::SpeechRecord> m_voix;
};
