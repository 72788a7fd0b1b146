#pragma once
// Reads the decimal and digit-grouping symbols of the user's locale into the
// number settings ("." and "," when the locale gives none).
#include <QString>

#include <functional>
#include <utility>

// Where the two symbols come from: the system locale unless a source is set
// (the scenario runner sets one to play a change of regional settings).
using TLocaleSymbolsSource = std::function<std::pair<QString, QString>()>;
void SetLocaleSymbolsSource(TLocaleSymbolsSource source);

void ReadNumberSettingsFromLocale();
