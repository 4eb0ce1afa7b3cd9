// The find bar of the main window.
#include "editor/frmmain.h"

#include "editor/recherche.h"
#include "platform/messagebox.h"

#include <QApplication>
#include <QTextCursor>

namespace editor {

void frmMain::rechercher_Click()
{
    QAction *item = menus.value(QStringLiteral("Rechercher"));
    const bool montrer = Toolbar_rechercher->isHidden();
    Toolbar_rechercher->setVisible(montrer);
    item->setText(montrer ? QStringLiteral("Cacher le formulaire de recherche")
                          : QStringLiteral("Rechercher"));
}

void frmMain::Txt_Find_Change()
{
    Cmd_Find->setEnabled(!Txt_Find->Text().isEmpty());
}

void frmMain::Cmd_Find_Click()
{
    Form1 *document = documentActif();
    // A search gives the focus to the text it selects in, never to a text the wizard hides.
    if (!document || !texteAffiche())
        return;
    m_texteCherche = Txt_Find->Text();
    Trouve_Le();
    document->RichTextBox1->setFocus();
}

void frmMain::Trouve_Le()
{
    QTextEdit *editeur = documentActif()->RichTextBox1;
    const QTextCursor curseur = editeur->textCursor();
    const bool casse = Chk_Casse->Value() == 1;
    const Recherche recherche{m_texteCherche, Opt_Bas->Value(), casse};
    const auto trouvee = chercher(documentActif()->texte(), recherche, curseur.selectionStart(),
                                  curseur.selectionEnd() - curseur.selectionStart());
    if (!trouvee) {
        const QString montre = casse ? m_texteCherche : m_texteCherche.toUpper();
        platform::MsgBox(QStringLiteral("Impossible de trouver : \"%1\"").arg(montre),
                         platform::vbOKOnly, QString());
        return;
    }
    // The window scrolls to the caret: to the found text's start first, then to its end, so
    // that the whole text comes into view.
    QTextCursor selection(editeur->document());
    selection.setPosition(*trouvee);
    editeur->setTextCursor(selection);
    selection.setPosition(*trouvee + static_cast<int>(m_texteCherche.size()),
                          QTextCursor::KeepAnchor);
    editeur->setTextCursor(selection);
    QApplication::beep();
}

} // namespace editor
