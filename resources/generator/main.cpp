// tempelgen: writes the game's pictures, sounds and avatars, and the resource list that
// compiles them into the game.
//   tempelgen <output folder> <avatars folder>
//   tempelgen --contenu <output folder> <program folder>
#include "generator.h"

#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Text is drawn with real fonts, which needs a GUI application, but never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    // The question packs' pictures, the listening pieces and what the sample question files use.
    if (args.size() == 4 && args[1] == QLatin1String("--contenu")) {
        const QDir out(args[2]), programFolder(args[3]);
        const bool ok =
            gen::writePacks(out) &&
            gen::writeListeningPieces(QDir(programFolder.filePath(QStringLiteral("ecoutes")))) &&
            gen::writeTextPictures(QDir(programFolder.filePath(QStringLiteral("images")))) &&
            gen::writeTextSounds(QDir(programFolder.filePath(QStringLiteral("audio"))));
        if (!ok)
            std::fprintf(stderr, "tempelgen: cannot write the question packs' content\n");
        return ok ? 0 : 1;
    }
    // The question programs' packs: tempelgen --notes <output folder>
    if (args.size() == 3 && args[1] == QStringLiteral("--notes"))
        return gen::writeNotePacks(QDir(args[2])) ? 0 : 1;
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: tempelgen <output folder> <avatars folder>\n");
        return 2;
    }
    const QDir out(args[1]);
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "tempelgen: cannot create %s\n", qPrintable(args[1]));
        return 1;
    }

    std::vector<gen::Output> files = gen::writePictures(out);
    const std::vector<gen::Output> sounds = gen::writeSounds(out);
    if (files.empty() || sounds.empty() || !gen::writeExamplePack(out)) {
        std::fprintf(stderr, "tempelgen: cannot write the pictures or sounds in %s\n",
                     qPrintable(args[1]));
        return 1;
    }
    files.insert(files.end(), sounds.begin(), sounds.end());
    if (!gen::writeAvatars(QDir(args[2]), QDir(out.filePath(QStringLiteral("avatarframes"))))) {
        std::fprintf(stderr, "tempelgen: cannot make the avatars in %s\n", qPrintable(args[2]));
        return 1;
    }

    // Stored by type and name, upper case and without extension, as the loaders look them up.
    QSaveFile qrc(out.filePath(QStringLiteral("tempeljeu.qrc")));
    if (!qrc.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "tempelgen: cannot write the resource list\n");
        return 1;
    }
    QTextStream s(&qrc);
    s << "<RCC>\n  <qresource prefix=\"/tempeljeu\">\n";
    for (const gen::Output &f : files)
        s << "    <file alias=\"" << f.type << '/' << f.name << "\">" << f.file << "</file>\n";
    s << "  </qresource>\n</RCC>\n";
    s.flush();
    return qrc.commit() ? 0 : 1;
}
