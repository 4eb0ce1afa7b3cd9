// Editor benchmark: opening a 10,000-line question file until it is drawn, typing into it,
// and appending one question with the wizard. Prints milliseconds; a benchmark, not a test.
#include "editor/frmmain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Fichier : editor::Dialogues {
    QString chemin;
    QString ouvrir(QWidget *, const QString &, const QString &) override { return chemin; }
    QString enregistrer(QWidget *, const QString &, const QString &) override { return {}; }
    bool imprimer(QWidget *, QPrinter &, bool) override { return false; }
};

double ms(const QElapsedTimer &t)
{
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void taper(editor::Form1 &d, std::vector<double> &durees, int n)
{
    QWidget *vue = d.RichTextBox1->viewport();
    for (int i = 0; i < n; ++i) {
        QElapsedTimer t;
        t.start();
        QTest::keyClick(d.RichTextBox1, static_cast<char>('a' + i % 26));
        vue->repaint();
        durees.push_back(ms(t));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("questions.txt"));
    {
        QFile f(chemin);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        for (int i = 1; i <= 10000; ++i)
            f.write(QStringLiteral("\"Question %1 : quelle note entend-on ?\",\"Do\",\"Ré\",\"Mi\","
                                   "\"Fa\",\"%2\",\"notes/n%1.jpg\",\"notes/n%1.wav\"\r\n")
                        .arg(i)
                        .arg(i % 4 + 1)
                        .toLatin1());
    }
    const int essais = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    std::vector<double> ouvertures, inactif, fin, milieu, ajouts;
    for (int essai = 0; essai < essais; ++essai) {
        auto dialogues = std::make_unique<Fichier>();
        dialogues->chemin = chemin;
        editor::frmMain fenetre(std::move(dialogues));
        fenetre.show();
        QApplication::processEvents();
        editor::Form1 &d = *fenetre.documentActif();
        QElapsedTimer t;
        t.start();
        fenetre.mnuFileOpen_Click();
        d.RichTextBox1->viewport()->repaint();
        ouvertures.push_back(ms(t));
        // The rest of the layout (scroll range) may run from pending events.
        QApplication::processEvents();
        inactif.push_back(ms(t));

        d.RichTextBox1->setFocus();
        d.RichTextBox1->moveCursor(QTextCursor::End);
        taper(d, fin, 100);
        QTextCursor c = d.RichTextBox1->textCursor();
        c.setPosition(static_cast<int>(d.RichTextBox1->document()->characterCount() / 2));
        d.RichTextBox1->setTextCursor(c);
        taper(d, milieu, 100);

        t.restart();
        d.Command_ajouter_questions->setValue(true);
        d.Question->setText(QStringLiteral("Q"));
        d.Command_suivant1->setValue(true);
        d.Command_suivant2->setValue(true);
        d.Command_suivant3->setValue(true);
        d.RichTextBox1->viewport()->repaint();
        ajouts.push_back(ms(t));
        // What was typed is thrown away: closing asks nothing.
        d.setModifie(false);
        fenetre.close();
    }
    auto pire = [](const std::vector<double> &v) { return *std::max_element(v.begin(), v.end()); };
    std::printf("10000-line file open until drawn: median %.1f ms, worst %.1f ms (%d runs)\n",
                median(ouvertures), pire(ouvertures), essais);
    std::printf("  ... and its pending events run: median %.1f ms, worst %.1f ms\n",
                median(inactif), pire(inactif));
    std::printf("keystroke at the end, drawn: median %.2f ms, worst %.2f ms (%zu keys)\n",
                median(fin), pire(fin), fin.size());
    std::printf("keystroke in the middle, drawn: median %.2f ms, worst %.2f ms (%zu keys)\n",
                median(milieu), pire(milieu), milieu.size());
    std::printf("wizard question appended to it: median %.1f ms, worst %.1f ms\n", median(ajouts),
                pire(ajouts));
    return 0;
}
