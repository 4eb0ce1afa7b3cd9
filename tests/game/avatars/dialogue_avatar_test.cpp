#include "game/avatars/dialogue_avatar.h"

#include "support/programfoldertest.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QListView>

namespace {
class Dialogue : public ProgramFolderTest {
protected:
    // The file names the dialog lists once its folder is read (it is read in the background).
    QStringList fichiersListes(QFileDialog &dialogue, int attendus)
    {
        auto *liste = dialogue.findChild<QListView *>("listView");
        QStringList noms;
        QDeadlineTimer limite(5000);
        while (!limite.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            noms.clear();
            const QModelIndex racine = liste->rootIndex();
            for (int r = 0; r < liste->model()->rowCount(racine); ++r) {
                const QModelIndex i = liste->model()->index(r, 0, racine);
                if (!liste->isRowHidden(r) && (i.flags() & Qt::ItemIsEnabled))
                    noms << i.data().toString();
            }
            if (noms.size() >= attendus)
                break;
        }
        noms.sort(Qt::CaseInsensitive);
        return noms;
    }
};
} // namespace

TEST_F(Dialogue, ListsGifFilesWhateverTheCaseOfTheirExtension)
{
    for (const char *nom : {"a.gif", "B.GIF", "c.Gif", "d.png", "e.txt", "gif"})
        writeFile(nom, "x");
    IconesAvatars icones;
    QFileDialog dialogue;
    configurerDialogueAvatar(dialogue, icones, m_folder.path(), kVueMiniatures);
    dialogue.show();
    EXPECT_EQ(fichiersListes(dialogue, 3), QStringList({"a.gif", "B.GIF", "c.Gif"}));
    EXPECT_EQ(dialogue.selectedNameFilter(), "Images gif (*.gif)");
    EXPECT_EQ(QDir(dialogue.directory()).canonicalPath(), QDir(m_folder.path()).canonicalPath());
    EXPECT_EQ(dialogue.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialogue.windowModality(), Qt::ApplicationModal);
}

TEST_F(Dialogue, OpensInTheChosenView)
{
    const struct {
        int commande;
        QFileDialog::ViewMode mode;
        QListView::ViewMode liste;
    } cas[] = {
        {28717, QFileDialog::List, QListView::IconMode},
        {28713, QFileDialog::List, QListView::IconMode},
        {28715, QFileDialog::List, QListView::ListMode},
        {28716, QFileDialog::Detail, QListView::ListMode},
    };
    for (const auto &c : cas) {
        IconesAvatars icones;
        QFileDialog dialogue;
        configurerDialogueAvatar(dialogue, icones, m_folder.path(), c.commande);
        EXPECT_EQ(dialogue.viewMode(), c.mode) << c.commande;
        if (c.mode == QFileDialog::List) {
            EXPECT_EQ(dialogue.findChild<QListView *>("listView")->viewMode(), c.liste)
                << c.commande;
        }
    }
    QFileDialog miniatures;
    IconesAvatars icones;
    configurerDialogueAvatar(miniatures, icones, m_folder.path(), kVueMiniatures);
    EXPECT_GE(miniatures.findChild<QListView *>("listView")->iconSize().width(), 64);
}

TEST_F(Dialogue, ThumbnailsShowTheFirstFrameOfTheFile)
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(path("rouge.gif"), "PNG")); // read by its content, not its name
    IconesAvatars icones;
    const QPixmap vignette = icones.icon(QFileInfo(path("rouge.gif"))).pixmap(64, 64);
    ASSERT_FALSE(vignette.isNull());
    EXPECT_EQ(vignette.toImage().pixelColor(32, 32), QColor(Qt::red));
    // Wider than high: the picture keeps its shape, centred.
    EXPECT_EQ(vignette.toImage().pixelColor(32, 2).alpha(), 0);
}
