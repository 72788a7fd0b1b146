#include "ChineseFonts.h"

#include <QFont>

#include <fontconfig/fontconfig.h>

#include <cstdio>

const QStringList& ChineseFontFamilies()
{
    static const QStringList families{QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("WenQuanYi Zen Hei"),
                                      QStringLiteral("Noto Sans CJK SC")};
    return families;
}

TChineseFontChoice ChooseChineseFont(const std::function<bool(const QString&)>& installed)
{
    TChineseFontChoice choice;
    for (const QString& family : ChineseFontFamilies())
        if (installed(family)) {
            choice.Family = family;
            break;
        }
    const QString& preferred = ChineseFontFamilies().constFirst();
    if (choice.Family == preferred)
        return choice;
    const QString instead =
        choice.Family.isEmpty() ? QStringLiteral("系统默认的中文字体") : QStringLiteral("“%1”").arg(choice.Family);
    choice.Warning = QStringLiteral("cpk-xr：未安装字体“%1”（软件包 fonts-wqy-microhei），中文改用%2显示，"
                                    "窗口中的标签可能显示不全。")
                         .arg(preferred, instead);
    return choice;
}

// Asked of fontconfig, which knows a family by all its names: Qt's font
// database knows it by its name in the locale's language (文泉驿微米黑 under
// zh_CN) and does not find the English one.
bool FontFamilyInstalled(const QString& family)
{
    const QByteArray name = family.toUtf8();
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
    FcObjectSet* properties = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, properties);
    const bool installed = fonts && fonts->nfont > 0;
    if (fonts)
        FcFontSetDestroy(fonts);
    FcObjectSetDestroy(properties);
    FcPatternDestroy(pattern);
    return installed;
}

void UseChineseFontPreference()
{
    static bool chosen = false;
    if (chosen)
        return;
    chosen = true;
    const TChineseFontChoice choice = ChooseChineseFont(&FontFamilyInstalled);
    if (!choice.Warning.isEmpty())
        std::fprintf(stderr, "%s\n", choice.Warning.toLocal8Bit().constData());
    // Families missing on this machine are skipped by Qt in the same order.
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), ChineseFontFamilies());
    // The chart component names Arial; Liberation Sans is its metric twin on Debian.
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               QStringList{QStringLiteral("Liberation Sans")} + ChineseFontFamilies());
}
