#pragma once
// The number a result text shows, for the "value" of the JSON output.
#include <optional>
#include <string>
#include <string_view>

// The text read with decimalSeparator as the decimal point: a plain decimal
// or exponent form of a finite number; anything else (INF, NAN, words) is none.
std::optional<double> ResultValue(std::string_view text, const std::string& decimalSeparator);
