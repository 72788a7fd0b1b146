#pragma once
// Number texts: how texts become numbers and numbers become texts. Every
// result text of the system goes through these, with the separators of
// NumberSettings(). Texts are UTF-8.
#include <cstdint>
#include <string>
#include <string_view>

#include "Extended.h"

// Raises EConvertError "'%s' is not a valid floating point value".
Extended ParseDecimalText(std::string_view text);
// Raises EConvertError "'%s' is not a valid integer value".
int32_t ParseIntegerText(std::string_view text);

std::string IntegerText(int64_t value);
// 15 significant digits, fixed notation from 1E-4 to below 1E15.
std::string GeneralNumberText(Extended value);
// Patterns such as "0.000" and "#,##0.###". Raises EConvertError
// "Format string too long" above 224 characters.
std::string PatternNumberText(std::string_view pattern, Extended value);
// x rounded to a multiple of 10^digits (halves to even on the stored values).
double RoundAtPowerOfTen(double x, int8_t digits);
