#include "editor/documenttext.h"

#include "platform/codec1252.h"

#include <QList>
#include <QStringList>

namespace editor {

TexteLu texteDuFichier(const QByteArray &octets)
{
    QString texte = platform::decode1252(octets);
    if (!texte.contains(u'\n') && texte.contains(u'\r'))
        return {texte.replace(u'\r', u'\n'), FinDeLigne::CR};
    const bool crlf = texte.contains(QLatin1String("\r\n"));
    const FinDeLigne fin = !crlf && texte.contains(u'\n') ? FinDeLigne::LF : FinDeLigne::CRLF;
    texte.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    // The window would take a lone CR for a line end of its own.
    texte.replace(u'\r', kCRSeul);
    return {texte, fin};
}

OctetsAEcrire octetsDuTexte(const QString &texte, FinDeLigne finDeLigne)
{
    QString fichier = texte;
    if (finDeLigne == FinDeLigne::CRLF)
        fichier.replace(u'\n', QLatin1String("\r\n"));
    else if (finDeLigne == FinDeLigne::CR)
        fichier.replace(u'\n', u'\r');
    fichier.replace(kCRSeul, u'\r');
    if (auto octets = platform::encode1252(fichier))
        return {*octets, {}};
    return {{},
            QStringLiteral("Le texte contient des caractères qu'un fichier texte Windows-1252 ne "
                           "peut pas contenir : %1\nLe fichier n'a pas été enregistré.")
                .arg(caracteresHorsCodePage(texte))};
}

QString caracteresHorsCodePage(const QString &texte)
{
    QStringList liste;
    for (const uint point : texte.toUcs4()) {
        const QString caractere = QString::fromUcs4(reinterpret_cast<const char32_t *>(&point), 1);
        if (platform::holdsIn1252(caractere))
            continue;
        const QString nom =
            QStringLiteral("« %1 » (U+%2)")
                .arg(caractere, QString::number(point, 16).toUpper().rightJustified(4, u'0'));
        if (!liste.contains(nom))
            liste << nom;
    }
    return liste.join(QLatin1String(", "));
}

int compterQuestions(const QString &texte)
{
    const int lignes = static_cast<int>(texte.count(u'\n')) + 1;
    return lignes > 1 && texte.endsWith(u'\n') ? lignes - 1 : lignes;
}

QString nomAvecExtension(const QString &nom)
{
    return nom.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) ? nom
                                                                    : nom + QLatin1String(".txt");
}

} // namespace editor
