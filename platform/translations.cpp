#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace platform {

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
}

} // namespace platform
