#pragma once
// The two separators of the user's number settings. Each holds one character
// as UTF-8. Read from the locale at start-up and again when it changes.
#include <string>

struct TNumberSettings {
    std::string DecimalSeparator = ".";
    std::string ThousandSeparator = ",";
};

TNumberSettings& NumberSettings();
