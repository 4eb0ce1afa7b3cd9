// The question line that the wizard composes, and the media paths it carries: relative to the
// program folder's `images` and `audio` folders, joined with "/".
#pragma once

#include <QString>

#include <array>

namespace editor {

struct LigneQuestion {
    QString question;
    std::array<QString, 4> reponses;
    int bonneReponse = 1; // 1 to 4
    QString image;        // relative to `images`, or empty
    QString son;          // relative to `audio`, or empty
};

// The line's text without a line end, or the French reason why it cannot be written.
struct LigneComposee {
    QString texte;
    QString erreur;
    bool ok() const { return erreur.isEmpty(); }
};
[[nodiscard]] LigneComposee composerLigne(const LigneQuestion &ligne);

// The document's text with the line appended, on a line of its own ('\n' separates lines).
[[nodiscard]] QString ajouterLigne(const QString &texte, const QString &ligne);

// Whether `dossier` is `base` or lies under it (paths cleaned, "/" separated).
[[nodiscard]] bool dansLeDossier(const QString &base, const QString &dossier);

// The path of `fichier`, in `dossier` under `base`, relative to `base`: "x.jpg", "sub/x.jpg".
[[nodiscard]] QString cheminRelatif(const QString &base, const QString &dossier,
                                    const QString &fichier);

} // namespace editor
