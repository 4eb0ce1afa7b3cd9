// The toolbar and the edit commands of the main window, and the question count.
#include "editor/frmmain.h"

#include "platform/messagebox.h"

#include <QApplication>
#include <QClipboard>
#include <QTextCursor>

namespace editor {

void frmMain::tbToolBar_ButtonClick(const QString &key)
{
    if (key == u"New")
        NouveauDocument();
    else if (key == u"Open")
        mnuFileOpen_Click();
    else if (key == u"Save")
        mnuFileSave_Click();
    else if (key == u"Print")
        mnuFilePrint_Click();
    else if (key == u"Cut")
        mnuEditCut_Click();
    else if (key == u"Copy")
        mnuEditCopy_Click();
    else if (key == u"Paste")
        mnuEditPaste_Click();
    else if (key == u"Bold" || key == u"Italic" || key == u"Underline")
        basculerStyle(key);
    else if (Form1 *document = documentActif()) {
        QTextEdit *editeur = document->RichTextBox1;
        document->mettreEnForme([&] {
            if (key == u"Align Left")
                editeur->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
            else if (key == u"Center")
                editeur->setAlignment(Qt::AlignHCenter);
            else if (key == u"Align Right")
                editeur->setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
        });
    }
}

void frmMain::basculerStyle(const QString &key)
{
    QAction *bouton = tbToolBar->findChild<QAction *>(key);
    Form1 *document = documentActif();
    if (!document) {
        bouton->setChecked(false);
        return;
    }
    QTextEdit *editeur = document->RichTextBox1;
    bool actif = false;
    document->mettreEnForme([&] {
        if (key == u"Bold") {
            editeur->setFontWeight(editeur->fontWeight() > QFont::Normal ? QFont::Normal
                                                                         : QFont::Bold);
            actif = editeur->fontWeight() > QFont::Normal;
        } else if (key == u"Italic") {
            editeur->setFontItalic(!editeur->fontItalic());
            actif = editeur->fontItalic();
        } else {
            editeur->setFontUnderline(!editeur->fontUnderline());
            actif = editeur->fontUnderline();
        }
    });
    bouton->setChecked(actif);
}

void frmMain::Combo1_Click()
{
    Form1 *document = documentActif();
    if (!document)
        return;
    const int taille = Combo1->currentText().toInt();
    QTextEdit *editeur = document->RichTextBox1;
    document->mettreEnForme([&] {
        QFont base = editeur->font();
        base.setPointSize(taille);
        editeur->setFont(base);
        QTextCharFormat format;
        format.setFontPointSize(taille);
        QTextCursor tout(editeur->document());
        tout.select(QTextCursor::Document);
        tout.mergeCharFormat(format);
    });
}

void frmMain::compter_lignes_Click()
{
    Form1 *document = documentActif();
    if (!document)
        return;
    const int n = compterQuestions(document->texte());
    const QString message = n == 1 ? QStringLiteral("Vous savez au moins compter jusqu'à 2, non?")
                                   : QStringLiteral("Il y a %1 questions dans ce texte").arg(n);
    platform::MsgBox(message, platform::vbOKOnly, kTitreApplication);
}

void frmMain::effacer_Click()
{
    if (Form1 *document = documentActif())
        document->RichTextBox1->textCursor().removeSelectedText();
}

void frmMain::effacertout_Click()
{
    if (Form1 *document = documentActif())
        document->setTexte({});
}

void frmMain::selectionnertout_Click()
{
    if (Form1 *document = documentActif())
        document->RichTextBox1->selectAll();
}

void frmMain::mnuEditCut_Click()
{
    mnuEditCopy_Click();
    effacer_Click();
}

void frmMain::mnuEditCopy_Click()
{
    Form1 *document = documentActif();
    if (!document)
        return;
    QString texte = document->RichTextBox1->textCursor().selectedText();
    texte.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    QApplication::clipboard()->setText(texte);
}

void frmMain::mnuEditPaste_Click()
{
    if (Form1 *document = documentActif())
        document->RichTextBox1->insertPlainText(QApplication::clipboard()->text());
}

} // namespace editor
