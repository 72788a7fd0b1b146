#include "LocaleSettings.h"

#include <QLocale>

#include "NumberSettings.h"

namespace {

TLocaleSymbolsSource& Source()
{
    static TLocaleSymbolsSource source;
    return source;
}

std::pair<QString, QString> SystemSymbols()
{
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint(), locale.groupSeparator()};
}

// One character of the symbol, or the fallback when the locale gives none.
std::string OneCharacter(const QString& symbol, const char* fallback)
{
    if (symbol.isEmpty())
        return fallback;
    const qsizetype length = symbol.at(0).isHighSurrogate() && symbol.size() > 1 ? 2 : 1;
    return symbol.left(length).toStdString();
}

}  // namespace

void SetLocaleSymbolsSource(TLocaleSymbolsSource source) { Source() = std::move(source); }

void ReadNumberSettingsFromLocale()
{
    const auto [decimal, thousands] = Source() ? Source()() : SystemSymbols();
    TNumberSettings& settings = NumberSettings();
    settings.DecimalSeparator = OneCharacter(decimal, ".");
    settings.ThousandSeparator = OneCharacter(thousands, ",");
}
