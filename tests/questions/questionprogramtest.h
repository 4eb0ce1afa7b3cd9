// A temporary program folder holding copies of the real question programs (they find their
// folder from their own location), run there as the game runs them.
#pragma once

#include "datafiles/itemformat.h"
#include "support/programfoldertest.h"

#include <QStringList>
#include <functional>
#include <vector>

class QuestionProgramTest : public ProgramFolderTest {
protected:
    // Copies the program `key` from the build's products and runs it once; the items
    // the game's reader takes from question.tpq afterwards (10 asked, so extras show). A program
    // still running after `timeoutMs` is killed and fails the test; its memory is bounded.
    std::vector<datafiles::Item> ask(const QString &key, int timeoutMs = 10000);
    // Copies a product of the build (a pack's resource file) into the folder.
    void installFromBuild(const QString &fileName);
    // Writes a file, creating its folders.
    void lay(const QString &relativePath, const QByteArray &bytes);
    // Replaces random.tpq whole, as the game does when a new game or match begins.
    void newGame();
    // Items 1 to 8 as texts.
    static QStringList texts(const std::vector<datafiles::Item> &items);
};

// Whether `name` is a picture of the resource file `rcc`.
bool packHasPicture(const QString &rcc, const QString &name);

// The four answers are distinct and the right one (1 to 4) names a non-empty answer.
void expectAnswersWell(const std::vector<datafiles::Item> &items);

// What `askOne` gives (a question, told apart by its text) over `count` + 1 runs: `count`
// different questions, then a new round that does not begin with the last one asked.
void expectEachOnceThenAnew(int count, const std::function<QString()> &askOne);
