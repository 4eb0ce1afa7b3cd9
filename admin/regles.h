// The administration tool's rules as plain functions: the points lists of each quiz type, the
// minutes shown beside the seconds, the checks of the two counts, the stored points, a slot's
// title and the browser command.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace admin {

inline const QString kTempsRestant = QStringLiteral("Temps restant");

// The entries of the points lists: "Temps restant" only for the question game.
QStringList entreesPointsGagnes(bool jeuQuestions);
QStringList entreesPointsPerdus(bool jeuQuestions);
// The entry selected after a change of quiz type: "1" won, "0" lost.
int positionParDefaut(bool jeuQuestions);

// A seconds text as minutes truncated to two decimals ("100" -> "1,66", "-61" -> "-1,02");
// nothing when the text is not a number.
std::optional<QString> libelleMinutes(const QString &secondes);

// A count as typed: digits only, blanks around and a leading "+" allowed, within the bounds.
bool nombreValide(const QString &texte, int minimum, int maximum);

// The stored points of a list's selected entry: "temps", the number's text from `minimum` to
// 20, or the empty text.
QString pointsEnregistres(const QString &entree, int minimum);

// A slot's title: the file name without folder, cut before its last "."; the whole name when
// that leaves nothing.
QString titreFichier(const QString &chemin);

// The browser command with its quotes taken out: a leading quote is dropped, and the text
// ends before any other quote, so a quoted program path loses what follows it.
QString sansGuillemets(QString commande);

// What to start for the download page: the program and its arguments. Field codes of a desktop
// entry are replaced; the address goes where %u or %U stands, else after the other arguments.
struct CommandeNavigateur {
    QString programme;
    QStringList arguments;
};
std::optional<CommandeNavigateur> commandeNavigateur(const QString &commande,
                                                     const QString &adresse);

} // namespace admin
