#include "platform/translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <gtest/gtest.h>

// Qt's own buttons and dialogs answer in French.
TEST(Translations, QtsOwnButtonsSpeakFrench)
{
    platform::installFrenchTranslations(*QCoreApplication::instance());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Open"), QStringLiteral("Ouvrir"));
}

// Dates, calendars and the file dialogs' type names are French too.
TEST(Translations, DatesAndFileTypesSpeakFrench)
{
    platform::preferFrenchLocale();
    platform::installFrenchTranslations(*QCoreApplication::instance());
    EXPECT_EQ(QLocale().monthName(12), QStringLiteral("décembre"));
    EXPECT_EQ(QCoreApplication::translate("QAbstractFileIconProvider", "Folder"),
              QStringLiteral("Dossier"));
    QLocale::setDefault(QLocale::system());
}
