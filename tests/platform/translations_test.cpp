#include "platform/translations.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

// Qt's own buttons and dialogs answer in French.
TEST(Translations, QtsOwnButtonsSpeakFrench)
{
    platform::installFrenchTranslations(*QCoreApplication::instance());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Open"), QStringLiteral("Ouvrir"));
}
