#include "game/avatars/dialogue_avatar.h"

#include "datafiles/itemformat.h"
#include "platform/picturefile.h"

#include <QFileDialog>
#include <QIconEngine>
#include <QListView>
#include <QPainter>

namespace {

constexpr int kCoteVignette = 96;

// A thumbnail that decodes its picture the first time it is drawn, on the user-interface
// thread, whatever thread asked for the icon.
class VignetteGif : public QIconEngine {
public:
    explicit VignetteGif(QString chemin) : m_chemin(std::move(chemin)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        const QImage image = vignette(rect.size());
        if (image.isNull())
            return;
        const QSize taille = image.size().scaled(rect.size(), Qt::KeepAspectRatio);
        QRect cible(QPoint(0, 0), taille);
        cible.moveCenter(rect.center());
        painter->drawImage(cible, image);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap p(size);
        p.fill(Qt::transparent);
        QPainter painter(&p);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return p;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine *clone() const override { return new VignetteGif(m_chemin); }
    QString key() const override { return QStringLiteral("VignetteGif"); }

private:
    // Decoded once, at the largest size a view of the dialog draws.
    QImage vignette(const QSize &)
    {
        if (!m_lue) {
            m_lue = true;
            m_image = platform::readPicture(m_chemin, QSize(kCoteVignette, kCoteVignette));
        }
        return m_image;
    }

    QString m_chemin;
    QImage m_image;
    bool m_lue = false;
};

void appliquerVue(QFileDialog &dialogue, int commande)
{
    const bool details = commande == 28716;
    dialogue.setViewMode(details ? QFileDialog::Detail : QFileDialog::List);
    auto *liste = dialogue.findChild<QListView *>(QStringLiteral("listView"));
    if (!liste || details)
        return;
    liste->setMovement(QListView::Static);
    liste->setResizeMode(QListView::Adjust);
    liste->setWordWrap(true);
    switch (commande) {
    case kVueMiniatures:
        liste->setViewMode(QListView::IconMode);
        liste->setIconSize(QSize(kCoteVignette, kCoteVignette));
        liste->setGridSize(QSize(128, 128));
        break;
    case 28718: // tiles: a large icon with its name beside it
        liste->setViewMode(QListView::ListMode);
        liste->setFlow(QListView::LeftToRight);
        liste->setWrapping(true);
        liste->setIconSize(QSize(48, 48));
        liste->setGridSize(QSize(220, 56));
        break;
    case 28713:
        liste->setViewMode(QListView::IconMode);
        liste->setIconSize(QSize(48, 48));
        liste->setGridSize(QSize(96, 80));
        break;
    default: // the list of small icons
        liste->setViewMode(QListView::ListMode);
        liste->setIconSize(QSize(16, 16));
        liste->setGridSize(QSize());
        break;
    }
}

} // namespace

std::optional<QString> problemeCheminAvatar(const QString &chemin)
{
    if (chemin.contains(u'\t'))
        return QStringLiteral("Le chemin « %1 » contient une tabulation, qui ne peut pas être "
                              "enregistrée. Choisissez un autre fichier.")
            .arg(chemin);
    if (auto probleme = datafiles::textItemProblem(chemin))
        return *probleme + QStringLiteral(" Choisissez un autre fichier.");
    return std::nullopt;
}

bool nomAcceptable(const QString &nom)
{
    return !nom.contains(u'\t') && !datafiles::textItemProblem(nom);
}

QPixmap premiereImage(const QString &chemin)
{
    return QPixmap::fromImage(platform::readPicture(chemin));
}

QIcon IconesAvatars::icon(const QFileInfo &info) const
{
    if (info.isFile() && info.suffix().compare(QLatin1String("gif"), Qt::CaseInsensitive) == 0)
        return QIcon(new VignetteGif(info.absoluteFilePath()));
    return QFileIconProvider::icon(info);
}

void configurerDialogueAvatar(QFileDialog &dialogue, IconesAvatars &icones, const QString &dossier,
                              int commande)
{
    // Our own dialog, not the desktop's: its file list is ours to set to the chosen view.
    dialogue.setOption(QFileDialog::DontUseNativeDialog);
    dialogue.setOption(QFileDialog::ReadOnly);
    dialogue.setIconProvider(&icones);
    dialogue.setWindowTitle(QStringLiteral("Ouvrir"));
    dialogue.setWindowModality(Qt::ApplicationModal);
    dialogue.setAcceptMode(QFileDialog::AcceptOpen);
    dialogue.setFileMode(QFileDialog::ExistingFile);
    // The dialog's own file list matches patterns whatever the case: "*.gif" takes "X.GIF" too.
    dialogue.setNameFilter(QStringLiteral("Images gif (*.gif)"));
    dialogue.setLabelText(QFileDialog::LookIn, QStringLiteral("Regarder dans :"));
    dialogue.setLabelText(QFileDialog::FileName, QStringLiteral("Nom du fichier :"));
    dialogue.setLabelText(QFileDialog::FileType, QStringLiteral("Type de fichier :"));
    dialogue.setLabelText(QFileDialog::Accept, QStringLiteral("Ouvrir"));
    dialogue.setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
    dialogue.setDirectory(dossier);
    dialogue.resize(720, 520);
    appliquerVue(dialogue, commande);
}

std::optional<QString> choisirFichierAvatar(QWidget *parent, const QString &dossier, int commande)
{
    IconesAvatars icones; // outlives the dialog, which refers to it
    QFileDialog dialogue(parent);
    configurerDialogueAvatar(dialogue, icones, dossier, commande);
    if (parent) {
        // Over the middle of the avatar screen, also where no window manager places it.
        QRect cadre = dialogue.frameGeometry();
        cadre.moveCenter(parent->mapToGlobal(parent->rect().center()));
        dialogue.move(cadre.topLeft());
    }
    if (dialogue.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList fichiers = dialogue.selectedFiles();
    if (fichiers.isEmpty())
        return std::nullopt;
    return fichiers.first();
}
