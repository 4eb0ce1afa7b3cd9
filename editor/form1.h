// A document window: the text of one question file and the three-page question wizard that
// appends question lines to it.
#pragma once

#include "editor/documenttext.h"
#include "editor/filelists.h"
#include "editor/form1_layout.h"
#include "platform/controls.h"

#include <QGroupBox>
#include <QTextEdit>

#include <array>

namespace editor {

class Form1 : public QWidget {
    Q_OBJECT
public:
    static constexpr const char *formName = "Form1";
    explicit Form1(QWidget *parent = nullptr);

    // The document's name: "Document n", or the path of its file.
    QString Caption() const { return windowTitle(); }
    void setCaption(const QString &caption) { setWindowTitle(caption); }

    // The text, lines separated by '\n' whatever the file uses.
    QString texte() const;
    // Replaces the whole text by plain text; formatting shown before is dropped. A text that
    // differs from the one shown is a change.
    void setTexte(const QString &texte);
    // Whether the text holds changes not saved: typed, composed, inserted or replaced since the
    // file was opened or last saved.
    bool modifie() const { return RichTextBox1->document()->isModified(); }
    void setModifie(bool modifie) { RichTextBox1->document()->setModified(modifie); }
    FinDeLigne finDeLigne() const { return m_finDeLigne; }
    void setFinDeLigne(FinDeLigne fin) { m_finDeLigne = fin; }
    // Runs `forme`, a change of the text's look (font, size, alignment): the look lives only in
    // the window, and a save would write the same bytes, so it is no change to the document.
    template <class F> void mettreEnForme(F &&forme)
    {
        const bool modifie = this->modifie();
        forme();
        setModifie(modifie);
    }

    // The page on show: 0 the editor, 1 to 3 the wizard.
    int page() const;

    QGroupBox *Frame_text;
    QTextEdit *RichTextBox1;
    platform::CommandButton *Command_ajouter_questions;

    QGroupBox *Frame_question1;
    platform::Label *Label1;
    platform::TextBox *Question;
    std::array<platform::Label *, 4> LabelReponse;
    std::array<platform::TextBox *, 4> Reponse;
    platform::Label *Label6;
    std::array<platform::OptionButton *, 4> Option;
    platform::CommandButton *Command_retour1, *Command_effacer, *Command_suivant1;

    QGroupBox *Frame_question2;
    DirListBox *Dir_image;
    FileListBox *File_image;
    platform::PictureBox *Picture_question;
    platform::Label *Label7;
    platform::TextBox *Chemin_Image;
    platform::CommandButton *Command_retour2, *Command_annuler1, *Command_suivant2;

    QGroupBox *Frame_question3;
    DirListBox *Dir_musique;
    FileListBox *File_musique;
    platform::Label *Label8;
    platform::TextBox *Chemin_musique;
    platform::CommandButton *Command_retour3, *Command_annuler2, *Command_suivant3;

    void Form_Load();
    void Form_Resize();

    void Command_ajouter_questions_Click();
    void Command_effacer_Click();
    void Command_annuler1_Click();
    void Command_annuler2_Click();
    void Command_suivant3_Click();
    void Dir_image_Change();
    void Dir_musique_Change();
    void File_image_Click();
    void File_musique_Click();

    QSize sizeHint() const override;

signals:
    // Another page is on show: 0 the editor, 1 to 3 the wizard.
    void pageAffichee(int page);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // The members that a page of the picture or the sound takes its controls into.
    struct PageMedia {
        QGroupBox *&cadre;
        DirListBox *&dossiers;
        FileListBox *&fichiers;
        platform::Label *&legende;
        platform::TextBox *&chemin;
        platform::CommandButton *&retour, *&annuler, *&suivant;
    };
    struct ModelePageMedia;
    void creerPage1();
    // Pages 2 (picture) and 3 (sound).
    void creerPagesMedia();
    void creerPageMedia(int page, const ModelePageMedia &modele, const PageMedia &controles);
    void afficherPage(int page);
    // Qt lays a paragraph out whole, and drops what it computed once it has laid it out or
    // drawn it: in a line of a million characters each keystroke, cursor query and blink of
    // the cursor would lay it out anew. A long line keeps its layout between uses.
    void garderLignesLongues(int position, int retires, int ajoutes);
    void viderQuestion();
    // The clicked file's path relative to `base`, or empty when it cannot go in a line.
    QString cheminChoisi(const QString &base, const DirListBox &dossiers,
                         const FileListBox &fichiers) const;
    static QString dossierImages();
    static QString dossierAudio();

    TwipsRect m_editeur = kRichTextBox1;
    FinDeLigne m_finDeLigne = FinDeLigne::CRLF;
};

} // namespace editor
