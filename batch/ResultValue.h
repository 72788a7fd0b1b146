#pragma once
// The number a result text shows, for the "value" of the JSON output.
#include <optional>
#include <string>
#include <string_view>

// The text read with decimalSeparator as the decimal point: a plain decimal
// or exponent form of a finite number; anything else (INF, NAN, words) is none.
std::optional<double> ResultValue(std::string_view text, const std::string& decimalSeparator);

// The shortest JSON number that reads back to the same double.
std::string JsonNumber(double value);
// The same appended to json, null for infinities and NaN (which JSON has no number for).
void AppendJsonNumber(std::string& json, double value);
