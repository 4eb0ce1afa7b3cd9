// A document's text as the window holds it ('\n' between lines) and as its file holds it:
// Windows-1252 bytes, byte for byte, with the file's own line ends and lone CRs.
#pragma once

#include <QByteArray>
#include <QString>

namespace editor {

enum class FinDeLigne { CRLF, LF, CR };

struct TexteLu {
    QString texte;
    FinDeLigne finDeLigne = FinDeLigne::CRLF;
};

// In a file that has LF line ends, a CR that ends no line (not followed by LF) stays in the
// text as this visible sign.
inline constexpr QChar kCRSeul = u'\u240D';

// A file that uses bare LF throughout is written back with LF; one without any LF, whose lines
// end with CR alone, with CR; any other with CR LF, so that a file mixing CR LF and LF comes
// back with CR LF throughout. A lone CR in a file with LF comes back as it was.
[[nodiscard]] TexteLu texteDuFichier(const QByteArray &octets);

struct OctetsAEcrire {
    QByteArray octets;
    QString erreur; // French; set when the text holds characters the code page lacks
    bool ok() const { return erreur.isEmpty(); }
};
[[nodiscard]] OctetsAEcrire octetsDuTexte(const QString &texte, FinDeLigne finDeLigne);

// The characters of `texte` that Windows-1252 lacks, each once, in order of appearance.
[[nodiscard]] QString caracteresHorsCodePage(const QString &texte);

// Lines of the text, a final empty line after the last line break not counted; 1 when empty.
[[nodiscard]] int compterQuestions(const QString &texte);

// The name a text file is saved under: ".txt" added unless it already ends so, in any case.
[[nodiscard]] QString nomAvecExtension(const QString &nom);

} // namespace editor
