// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "app/translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

bool Translations::install()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    // Tries each of the user's UI languages in turn, the most wanted first.
    if (!translator->load(QLocale::system(), QStringLiteral("picturebook"), QStringLiteral("_"),
                          QStringLiteral(":/i18n"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
