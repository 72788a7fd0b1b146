#include "ApplicationFonts.h"

#include <QFile>
#include <QFontDatabase>

#include "ChineseFonts.h"

int RegisterApplicationFonts()
{
    static const char* const files[] = {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"};
    int registered = 0;
    for (const char* file : files) {
        const QString path = QString::fromLatin1(file);
        if (QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0)
            ++registered;
    }
    UseChineseFontPreference();
    return registered;
}
