#include "editor/filelists.h"

#include <QDir>

namespace editor {

namespace {
constexpr int kCheminRole = Qt::UserRole;
}

DirListBox::DirListBox(QWidget *parent, const QString &name)
    : platform::Control<QListWidget>(parent, name)
{
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { setPath(item->data(kCheminRole).toString()); });
}

void DirListBox::setPath(const QString &path)
{
    const QString propre = QDir::cleanPath(path);
    if (propre == m_path)
        return;
    m_path = propre;
    remplir();
    emit Change();
}

void DirListBox::remplir()
{
    clear();
    QStringList chaine;
    for (QDir d(m_path);;) {
        chaine.prepend(d.absolutePath());
        if (!d.cdUp())
            break;
    }
    int niveau = 0;
    auto ajouter = [this](const QString &chemin, const QString &nom, int retrait) {
        auto *item = new QListWidgetItem(QString(retrait * 2, u' ') + nom, this);
        item->setData(kCheminRole, chemin);
        return item;
    };
    for (const QString &chemin : chaine) {
        const QString nom = QDir(chemin).isRoot() ? chemin : QDir(chemin).dirName();
        setCurrentItem(ajouter(chemin, nom, niveau++));
    }
    const QStringList dossiers =
        QDir(m_path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &nom : dossiers)
        ajouter(QDir(m_path).filePath(nom), nom, niveau);
}

FileListBox::FileListBox(QWidget *parent, const QString &name, const QString &pattern)
    : platform::ListBox(parent, name), m_pattern(pattern.split(u';'))
{
}

void FileListBox::setPath(const QString &path)
{
    m_path = path;
    Clear();
    const QStringList fichiers =
        QDir(path).entryList(m_pattern, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString &nom : fichiers)
        AddItem(nom);
}

} // namespace editor
