#include "app/QtTranslations.h"

#include "config/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool ApplyQtTranslations(std::string_view languageCode) {
    static QTranslator qtTexts;
    QCoreApplication::removeTranslator(&qtTexts);
    if (!isGerman(languageCode)) return true;
    if (!qtTexts.load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&qtTexts);
}
