// A folder list and a file list: the folder list shows the chain of folders down to its
// path and the folders inside it; the file list shows the files of one folder that match a
// pattern such as "*.jpg;*.bmp".
#pragma once

#include "platform/controls.h"

#include <QListWidget>

namespace editor {

class DirListBox : public platform::Control<QListWidget> {
    Q_OBJECT
public:
    DirListBox(QWidget *parent, const QString &name);
    QString Path() const { return m_path; }
    // Change runs when the path differs from the one shown.
    void setPath(const QString &path);

signals:
    void Change();

private:
    void remplir();
    QString m_path;
};

class FileListBox : public platform::ListBox {
    Q_OBJECT
public:
    FileListBox(QWidget *parent, const QString &name, const QString &pattern);
    QString Path() const { return m_path; }
    void setPath(const QString &path);
    // The selected file's name, or empty.
    QString FileName() const { return ListIndex() >= 0 ? List(ListIndex()) : QString(); }

private:
    QString m_path;
    QStringList m_pattern;
};

} // namespace editor
