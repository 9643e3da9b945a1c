#include "RussianLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

bool useRussianLanguage(QCoreApplication &application)
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    translator->setParent(&application);
    return QCoreApplication::installTranslator(translator.release());
}
