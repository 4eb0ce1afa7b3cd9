#include "editor/questionline.h"

#include "datafiles/itemformat.h"
#include "platform/codec1252.h"

#include <QDir>

namespace editor {

LigneComposee composerLigne(const LigneQuestion &ligne)
{
    datafiles::RecordWriter record;
    record.text(ligne.question);
    for (const QString &reponse : ligne.reponses)
        record.text(reponse);
    // The right answer is a quoted digit like every other item of the line.
    record.text(QString::number(ligne.bonneReponse)).text(ligne.image).text(ligne.son);
    if (!record.ok())
        return {{}, record.error()};
    QByteArray bytes = record.line();
    if (bytes.endsWith("\r\n"))
        bytes.chop(2);
    return {platform::decode1252(bytes), {}};
}

QString ajouterLigne(const QString &texte, const QString &ligne)
{
    return texte.isEmpty() ? ligne : texte + u'\n' + ligne;
}

bool dansLeDossier(const QString &base, const QString &dossier)
{
    const QString b = QDir::cleanPath(base);
    const QString d = QDir::cleanPath(dossier);
    return d == b || d.startsWith(b.endsWith(u'/') ? b : b + u'/');
}

QString cheminRelatif(const QString &base, const QString &dossier, const QString &fichier)
{
    const QString relatif = QDir(QDir::cleanPath(base)).relativeFilePath(QDir::cleanPath(dossier));
    return relatif.isEmpty() || relatif == u'.' ? fichier : relatif + u'/' + fichier;
}

} // namespace editor
