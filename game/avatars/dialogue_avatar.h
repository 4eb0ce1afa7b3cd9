// The picture-file dialog of the avatar screen: a GIF of the avatar folder, picked in a
// modal open dialog whose file list shows the chosen view (thumbnails unless changed).
#pragma once

#include <QFileIconProvider>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <array>
#include <optional>

class QFileDialog;
class QWidget;

// The views offered, each known by its command number.
struct VueDialogue {
    const char *texte;
    int commande;
};
inline constexpr std::array<VueDialogue, 5> kVuesDialogue = {{
    {"Thumbnails", 28717},
    {"Tiles", 28718},
    {"Icon (Large)", 28713},
    {"List (default view)", 28715},
    {"Details (Report view)", 28716},
}};
inline constexpr int kVueMiniatures = 28717;

// Why a picked file cannot be kept as an avatar path (a character the participants file
// cannot hold), in French; nothing when it can.
std::optional<QString> problemeCheminAvatar(const QString &chemin);
// Whether a name box may hold this text: what the participants file can hold, no Tab.
bool nomAcceptable(const QString &nom);

// The first frame of a picture file, or a null picture when it cannot be read.
QPixmap premiereImage(const QString &chemin);

// Shows the GIF files as their own first frame, decoded only when the view draws them.
class IconesAvatars : public QFileIconProvider {
public:
    QIcon icon(const QFileInfo &info) const override;
    using QFileIconProvider::icon;
};

// Sets up an open dialog on `dossier` for GIF files in the view of `commande`. The icon
// provider must outlive the dialog.
void configurerDialogueAvatar(QFileDialog &dialogue, IconesAvatars &icones, const QString &dossier,
                              int commande);

// Runs the dialog modally over `parent`; the chosen file's absolute path, or nothing.
std::optional<QString> choisirFichierAvatar(QWidget *parent, const QString &dossier, int commande);
