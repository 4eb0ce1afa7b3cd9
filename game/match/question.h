// The question in play: the file that the question program leaves, the countdown that reads
// it, and its display with picture, sound and speech (the handlers are Form_jeu's, in
// question.cpp). The rules are pure functions here.
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

// The record of question.tpq: question, answers 1 to 4, number of the right answer, picture,
// sound, resource file; each item as text, empty when the file holds fewer.
struct QuestionCourante {
    QString question;
    std::array<QString, 4> reponses;
    QString bonneReponse;
    QString image;
    QString son;
    QString fichierRessources;
};
[[nodiscard]] QuestionCourante lireQuestion(const QByteArray &contenu);

// Where answer n's label stands (twips, relative to the question panel), by the length of
// its text: a long answer takes two lines.
struct PlaceReponse {
    int top;
    int height;
    bool operator==(const PlaceReponse &) const = default;
};
[[nodiscard]] PlaceReponse placeReponse(int n, const QString &reponse);

// The full path of a text source's picture or sound, `item` being relative to `dossier`
// (both separators accepted); nothing for an empty item or one that would leave the folder
// (an absolute path, "..").
[[nodiscard]] std::optional<QString> cheminDansDossier(const QString &dossier, const QString &item);

// The sound of a pack question: a path used as written, except that a relative one (either
// separator) is taken from the program folder `dossierProgramme`, where the question
// programs run; empty for an empty item.
[[nodiscard]] QString cheminSonPaquet(const QString &dossierProgramme, const QString &item);

// The text spoken for a question: all but its last character (the question mark).
[[nodiscard]] QString texteParle(const QString &question);

// Shows the question that question.tpq holds and opens the answers.
class Form_jeu;
void Afficher_question(Form_jeu &jeu);
