#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstallChineseQtTranslations(QCoreApplication& application)
{
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    // Texts Qt takes from elsewhere by the default locale, such as the file
    // types in the file dialog (from the MIME database), follow it too. The
    // number settings come from the system's locale and stay as they are.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    return QCoreApplication::installTranslator(translator);
}
