// A fixture with the editor's main window over a temporary program folder: the file and print
// dialogs answer from a script, message boxes are recorded, settings go to a temporary folder.
#pragma once

#include "editor/frmmain.h"
#include "support/messagerecorder.h"
#include "support/programfoldertest.h"

#include <QPrinter>
#include <QStringList>

#include <deque>
#include <memory>

// Each dialog takes the next answer of its queue; an empty queue cancels.
struct FakeDialogues : editor::Dialogues {
    std::deque<QString> fichiers;
    QStringList titres;
    QString pdf; // printing goes to this PDF file; empty cancels the print dialog
    bool selectionOfferte = false;
    bool imprimerSelection = false;

    QString suivant(const QString &titre)
    {
        titres << titre;
        if (fichiers.empty())
            return {};
        QString f = fichiers.front();
        fichiers.pop_front();
        return f;
    }
    QString ouvrir(QWidget *, const QString &titre, const QString &) override
    {
        return suivant(titre);
    }
    QString enregistrer(QWidget *, const QString &titre, const QString &) override
    {
        return suivant(titre);
    }
    bool imprimer(QWidget *, QPrinter &printer, bool selection) override
    {
        selectionOfferte = selection;
        if (pdf.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPrintRange(imprimerSelection ? QPrinter::Selection : QPrinter::AllPages);
        return true;
    }
};

class EditorTest : public ProgramFolderTest, protected MessageRecorder {
protected:
    void SetUp() override;
    void TearDown() override;

    editor::Form1 &document() { return *main->documentActif(); }
    // The message boxes shown since the last call.
    std::vector<Message> messages();
    // Writes `bytes` to a file of the program folder and opens it in the active document.
    void ouvrir(const QString &fichier, const QByteArray &bytes);
    void enregistrerSous(const QString &nom);

    std::unique_ptr<editor::frmMain> main;
    FakeDialogues *dialogues = nullptr;
    // The answers to the next message boxes; OK once none is left.
    std::deque<int> reponses;
    QTemporaryDir m_settings;
};
