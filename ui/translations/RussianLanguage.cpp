// SPDX-License-Identifier: GPL-3.0-or-later
#include "RussianLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

bool installTranslation(QCoreApplication &application, const QString &name, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder))
        return false;
    translator->setParent(&application);
    return QCoreApplication::installTranslator(translator.release());
}

} // namespace

bool useRussianLanguage(QCoreApplication &application)
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    // The texts Qt's translation lacks come with the editor.
    installTranslation(application, QStringLiteral("k510_ru"), QStringLiteral(":/translations"));
    return installTranslation(application, QStringLiteral("qtbase_ru"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
