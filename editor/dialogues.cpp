#include "editor/dialogues.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace editor {
namespace {

class DialoguesQt : public Dialogues {
public:
    QString ouvrir(QWidget *parent, const QString &titre, const QString &filtre) override
    {
        return QFileDialog::getOpenFileName(parent, titre, {}, filtre);
    }
    QString enregistrer(QWidget *parent, const QString &titre, const QString &filtre) override
    {
        // The name typed may still get ".txt" added: the editor asks about the file it will
        // write once it knows its name, as a confirmation here would ask about another.
        return QFileDialog::getSaveFileName(parent, titre, {}, filtre, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    }
    bool imprimer(QWidget *parent, QPrinter &printer, bool selection) override
    {
        QPrintDialog dialogue(&printer, parent);
        dialogue.setWindowTitle(QStringLiteral("Imprimer"));
        dialogue.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialogue.setOption(QAbstractPrintDialog::PrintSelection, selection);
        printer.setPrintRange(selection ? QPrinter::Selection : QPrinter::AllPages);
        return dialogue.exec() == QDialog::Accepted;
    }
};

} // namespace

std::unique_ptr<Dialogues> dialoguesQt()
{
    return std::make_unique<DialoguesQt>();
}

} // namespace editor
