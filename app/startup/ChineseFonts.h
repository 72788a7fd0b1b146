#pragma once
// The form was laid out for Tahoma with its Chinese glyphs taken from
// WenQuanYi Micro Hei: its labels are 13 pixels per line and as wide as those
// glyphs make them. Left to fontconfig, a Chinese locale picks a Chinese font
// with taller lines (Noto Sans CJK) and the labels are cut; so the Chinese
// family is chosen here, in a fixed order, the same in every locale.
#include <QString>
#include <QStringList>

#include <functional>

// The Chinese families in order of preference; the first is the one the
// layout was made for (Debian package fonts-wqy-microhei).
const QStringList& ChineseFontFamilies();

struct TChineseFontChoice {
    QString Family;   // the first installed family of the preference, empty when none is
    QString Warning;  // what to tell the user when the preferred family is missing, else empty
};

// Whether a font family is installed, by any of its names (fontconfig).
bool FontFamilyInstalled(const QString& family);

// The choice among the families for which `installed` is true.
TChineseFontChoice ChooseChineseFont(const std::function<bool(const QString&)>& installed);

// Makes the families the application's texts name (the form's Tahoma, the
// chart component's Arial) take their Chinese glyphs from the preference, in
// its order, and says once on standard error when the preferred family is
// missing. Needs the application object.
void UseChineseFontPreference();
