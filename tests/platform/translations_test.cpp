// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own dialogs speak the user's language, and Italian where no language
// is configured.

#include "platform/translations.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

namespace quorvia::platform {
namespace {

TEST(QtTranslations, TheSystemLocaleAndItalianWhenNoneIsSet)
{
    EXPECT_EQ(translationLocale(QLocale::c()).language(), QLocale::Italian);
    EXPECT_EQ(translationLocale(QLocale(QLocale::German, QLocale::Germany)).language(), QLocale::German);
    EXPECT_EQ(translationLocale(QLocale(QLocale::Italian, QLocale::Switzerland)).territory(),
              QLocale::Switzerland);
}

TEST(QtTranslations, AMachineWithoutALocaleGetsItalianButtonsInQtsDialogs)
{
    const QString before = QCoreApplication::translate("QPlatformTheme", "Cancel");
    QTranslator* translator = installQtTranslations(QLocale::c());
    ASSERT_NE(translator, nullptr) << "qt6-translations-l10n is not installed";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annulla"));
    QCoreApplication::removeTranslator(translator);
    delete translator;
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), before);
}

}  // namespace
}  // namespace quorvia::platform
