// The editor's file and print dialogs behind one small interface, so that tests answer them.
#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace editor {

class Dialogues {
public:
    virtual ~Dialogues() = default;
    // The chosen file's path, or empty when cancelled.
    virtual QString ouvrir(QWidget *parent, const QString &titre, const QString &filtre) = 0;
    virtual QString enregistrer(QWidget *parent, const QString &titre, const QString &filtre) = 0;
    // Sets up `printer` from the user's choices; false when cancelled. `selection` offers
    // (and presets) printing the selection only.
    virtual bool imprimer(QWidget *parent, QPrinter &printer, bool selection) = 0;
};

// Qt's own dialogs.
[[nodiscard]] std::unique_ptr<Dialogues> dialoguesQt();

} // namespace editor
