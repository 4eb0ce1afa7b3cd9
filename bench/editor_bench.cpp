// Editor benchmark: opening a 10,000-line question file until it is drawn, typing into it,
// and appending one question with the wizard; then files of one long line (lost line ends, or
// lines ended by lone CRs beside one LF) opened, clicked, typed into and saved, and the CPU
// the editor takes once left alone. Prints milliseconds; a benchmark, not a test. Exits with 1
// when a saved file's bytes are not the opened ones.
#include "editor/frmmain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
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

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Question lines of about `taille` bytes in all, each ended by `fin` (none: run together).
QByteArray lignesJointes(qsizetype taille, const QByteArray &fin)
{
    QByteArray octets;
    octets.reserve(taille + 200);
    for (int i = 1; octets.size() < taille; ++i)
        octets += QStringLiteral("\"Question %1 : quelle note entend-on ?\",\"Do\",\"Ré\",\"Mi\","
                                 "\"Fa\",\"%2\",\"\",\"\"")
                      .arg(i)
                      .arg(i % 4 + 1)
                      .toLatin1() +
                  fin;
    return octets;
}

bool enregistreSous(const QString &chemin, const QByteArray &octets)
{
    QFile lu(chemin);
    if (lu.open(QIODevice::ReadOnly) && lu.readAll() == octets)
        return true;
    std::printf("  FAIL the saved bytes are not the expected ones\n");
    return false;
}

// One long line: opened until drawn and its pending events run, a click in it, saved, keys
// typed there, saved again; then the CPU the editor takes in a second left alone. Each step in
// milliseconds of the clock and of CPU (on a busy machine the clock runs ahead). False when a
// save did not write the opened bytes with the keys typed, and only them.
bool ligneLongue(const char *nom, const QString &chemin, const QByteArray &octets, int touches)
{
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size())
        return false;
    f.close();
    auto dialogues = std::make_unique<Fichier>();
    dialogues->chemin = chemin;
    editor::frmMain fenetre(std::move(dialogues));
    fenetre.show();
    // Active, as the user's window is: the text's cursor blinks, and each blink draws.
    fenetre.activateWindow();
    if (!QTest::qWaitForWindowActive(&fenetre))
        std::printf("%s: the window is not active, its cursor does not blink\n", nom);
    editor::Form1 &d = *fenetre.documentActif();
    QWidget *vue = d.RichTextBox1->viewport();
    std::printf("%s (%lld bytes):\n", nom, static_cast<long long>(octets.size()));
    QElapsedTimer total, t;
    total.start();
    t.start();
    double cpu = cpuMs();
    const double cpuTotal = cpu;
    auto etape = [&](const char *quoi) {
        std::printf("  %-34s %7.0f ms, CPU %7.0f ms\n", quoi, ms(t), cpuMs() - cpu);
        std::fflush(stdout);
        t.restart();
        cpu = cpuMs();
    };
    fenetre.mnuFileOpen_Click();
    vue->repaint();
    QApplication::processEvents();
    etape("opened, drawn, events run");
    // On the first line shown, half way across.
    QTest::mouseClick(vue, Qt::LeftButton, {},
                      {vue->width() / 2, d.RichTextBox1->fontMetrics().height()});
    vue->repaint();
    QApplication::processEvents();
    etape("clicked in the text");
    fenetre.mnuFileSave_Click();
    etape("saved");
    bool ok = enregistreSous(chemin, octets);
    // Each character of these files is one byte, and the line runs from the file's start.
    QByteArray attendus = octets;
    attendus.insert(
        d.RichTextBox1->textCursor().position(),
        QByteArray("abcdefghijklmnopqrstuvwxyz").repeated(touches / 26 + 1).left(touches));
    t.restart();
    cpu = cpuMs();
    for (int i = 0; i < touches; ++i) {
        QTest::keyClick(d.RichTextBox1, static_cast<char>('a' + i % 26));
        vue->repaint();
    }
    QApplication::processEvents();
    const QByteArray cles = QByteArray::number(touches) + " keys typed, each drawn";
    etape(cles.constData());
    fenetre.mnuFileSave_Click();
    etape("saved");
    ok &= enregistreSous(chemin, attendus);
    std::printf("  %-34s %7.0f ms, CPU %7.0f ms\n", "all of it", ms(total), cpuMs() - cpuTotal);
    t.restart();
    cpu = cpuMs();
    QTest::qWait(1000);
    etape("a second left alone");
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("  %-34s %7ld MB\n", "the process's peak memory so far", usage.ru_maxrss / 1024);
    d.setModifie(false);
    fenetre.close();
    return ok;
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
    std::fflush(stdout);

    constexpr qsizetype kMo = 1024 * 1024;
    const QString longue = dossier.filePath(QStringLiteral("longue.txt"));
    bool memes = ligneLongue("1 MB line", longue, lignesJointes(kMo, {}), 10);
    // A LF file: the lone CRs stay in its one line, each shown as a sign.
    memes &= ligneLongue("1 MB of CR-ended lines beside one LF", longue,
                         lignesJointes(kMo, "\r") + "\n", 10);
    memes &= ligneLongue("10 MB line", longue, lignesJointes(10 * kMo, {}), 2);
    return memes ? 0 : 1;
}
