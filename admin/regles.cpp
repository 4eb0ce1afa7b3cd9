#include "admin/regles.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace admin {
namespace {
QStringList nombres(int de, int a)
{
    QStringList liste;
    for (int n = de; n <= a; ++n)
        liste << QString::number(n);
    return liste;
}

// A decimal number as its digits without separator and its count of decimals: "-1,5" is
// -15 and 1. Only the French form: an optional sign, digits and a decimal comma.
std::optional<std::pair<long long, int>> decimal(const QString &texte)
{
    static const QRegularExpression forme(
        QStringLiteral("^[ \\t]*([+-]?)(\\d*)(?:,(\\d*))?[ \\t]*$"));
    const auto m = forme.match(texte);
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).isEmpty()))
        return std::nullopt;
    const QString chiffres = m.captured(2) + m.captured(3);
    if (chiffres.size() > 15)
        return std::nullopt;
    const long long valeur = chiffres.toLongLong();
    return std::pair{m.captured(1) == QLatin1String("-") ? -valeur : valeur,
                     int(m.captured(3).size())};
}

long long puissanceDix(int n)
{
    long long p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// Division rounded toward minus infinity.
long long divisionPlancher(long long a, long long b)
{
    const long long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}
} // namespace

QStringList entreesPointsGagnes(bool jeuQuestions)
{
    QStringList liste = nombres(1, 20);
    if (jeuQuestions)
        liste.prepend(kTempsRestant);
    return liste;
}

QStringList entreesPointsPerdus(bool jeuQuestions)
{
    QStringList liste = nombres(0, 20);
    if (jeuQuestions)
        liste.prepend(kTempsRestant);
    return liste;
}

int positionParDefaut(bool jeuQuestions)
{
    return jeuQuestions ? 1 : 0;
}

std::optional<QString> libelleMinutes(const QString &secondes)
{
    const auto nombre = decimal(secondes);
    if (!nombre)
        return std::nullopt;
    // Hundredths of a minute, computed on whole numbers so that 69 s give exactly 1,15.
    const auto [valeur, decimales] = *nombre;
    const long long centiemes = divisionPlancher(valeur * 100, 60 * puissanceDix(decimales));
    const long long entier = centiemes < 0 ? -centiemes : centiemes;
    QString texte = QString::number(entier / 100);
    QString fraction = QStringLiteral("%1").arg(entier % 100, 2, 10, QLatin1Char('0'));
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (!fraction.isEmpty())
        texte += QLatin1Char(',') + fraction;
    return centiemes < 0 ? QLatin1Char('-') + texte : texte;
}

bool nombreValide(const QString &texte, int minimum, int maximum)
{
    static const QRegularExpression forme(QStringLiteral("^[ \\t]*\\+?(\\d{1,9})[ \\t]*$"));
    const auto m = forme.match(texte);
    if (!m.hasMatch())
        return false;
    const int valeur = m.captured(1).toInt();
    return valeur >= minimum && valeur <= maximum;
}

QString pointsEnregistres(const QString &entree, int minimum)
{
    if (entree == kTempsRestant)
        return QStringLiteral("temps");
    if (nombres(minimum, 20).contains(entree))
        return entree;
    return {};
}

QString titreFichier(const QString &chemin)
{
    const QString nom = QFileInfo(chemin).fileName();
    const qsizetype point = nom.lastIndexOf(QLatin1Char('.'));
    return point > 0 ? nom.left(point) : nom;
}

QString sansGuillemets(QString commande)
{
    for (qsizetype guillemet; (guillemet = commande.indexOf(QLatin1Char('"'))) >= 0;) {
        if (guillemet == 0)
            commande.remove(0, 1);
        else
            commande.truncate(guillemet);
    }
    return commande;
}

std::optional<CommandeNavigateur> commandeNavigateur(const QString &commande,
                                                     const QString &adresse)
{
    // A whole program path may hold blanks: it is the program when it names a file.
    if (QFileInfo(commande).isFile())
        return CommandeNavigateur{commande, {adresse}};
    const QStringList mots = QProcess::splitCommand(commande);
    if (mots.isEmpty())
        return std::nullopt;
    CommandeNavigateur resultat{mots.first(), {}};
    bool adressePlacee = false;
    for (qsizetype i = 1; i < mots.size(); ++i) {
        QString argument;
        bool codeSeul = mots[i].size() == 2 && mots[i][0] == QLatin1Char('%');
        for (qsizetype c = 0; c < mots[i].size(); ++c) {
            const QChar ch = mots[i][c];
            if (ch != QLatin1Char('%') || c + 1 == mots[i].size()) {
                argument += ch;
                continue;
            }
            const QChar code = mots[i][++c];
            if (code == QLatin1Char('%')) {
                argument += code;
                codeSeul = false;
            } else if (QStringLiteral("uUfF").contains(code)) {
                argument += adresse;
                adressePlacee = true;
            }
            // Every other field code (%i, %c, %k and the old ones) stands for nothing here.
        }
        if (!argument.isEmpty() || !codeSeul)
            resultat.arguments << argument;
    }
    if (!adressePlacee)
        resultat.arguments << adresse;
    return resultat;
}

} // namespace admin
