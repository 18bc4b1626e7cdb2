// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace quorvia::platform {

QLocale translationLocale(const QLocale& system)
{
    if (system.language() == QLocale::C)
        return QLocale(QLocale::Italian, QLocale::Italy);
    return system;
}

QTranslator* installQtTranslations(const QLocale& system)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    // The dialogs the program uses all come from qtbase.
    if (translator->load(translationLocale(system), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

}  // namespace quorvia::platform
