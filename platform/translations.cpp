#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>
#include <cstring>
#include <memory>

namespace platform {

namespace {

// Qt's French catalogue lacks the type names that its file dialogs show ("Folder").
class TypesDeFichiers : public QTranslator {
public:
    QString translate(const char *context, const char *sourceText, const char *,
                      int) const override
    {
        static constexpr const char *kTypes[][2] = {{"Folder", "Dossier"},
                                                    {"Drive", "Lecteur"},
                                                    {"Shortcut", "Raccourci"},
                                                    {"Unknown", "Inconnu"}};
        if (!context || std::strcmp(context, "QAbstractFileIconProvider") != 0 || !sourceText)
            return {};
        for (const auto &[anglais, francais] : kTypes) {
            if (std::strcmp(sourceText, anglais) == 0)
                return QString::fromUtf8(francais);
        }
        return {};
    }
    bool isEmpty() const override { return false; }
};

} // namespace

void preferFrenchLocale()
{
    // The C library takes the user's locale first: where it has no French locale, the
    // application's own setlocale() then fails and leaves it so, UTF-8 included.
    std::setlocale(LC_ALL, "");
    // Qt reads these once, at the first use of a locale.
    for (const char *categorie : {"LC_TIME", "LC_MESSAGES"})
        qputenv(categorie, "fr_FR.UTF-8");
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

void installFrenchTranslations(QCoreApplication &app)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char *module : {"qtbase_fr", "qtmultimedia_fr"}) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(QString::fromLatin1(module), folder))
            continue;
        translator->setParent(&app);
        QCoreApplication::installTranslator(translator.release());
    }
    auto types = std::make_unique<TypesDeFichiers>();
    types->setParent(&app);
    QCoreApplication::installTranslator(types.release());
}

} // namespace platform
