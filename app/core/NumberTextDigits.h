#pragma once
// The decimal digit string that both number-to-text conversions start from:
// magnitude = 0.d1 d2 ... dn x 10^Exponent with d1 not 0, or no digits for zero.
#include <string>

#include "Extended.h"

struct TDecimalDigits {
    bool Negative = false;
    int Exponent = 0;
    std::string Digits;  // '0'..'9', empty for zero
};

// 10^n for n >= 0 by repeated squaring in Extended (exact up to 10^27).
Extended PowerOfTen(int n);

// The 18 significant digits of value: its magnitude scaled so that the integer
// part has 18 digits, rounded to an integer with ties to even.
TDecimalDigits DecimalDigitsOf(Extended value);

// Cuts the string after `places` digits, rounding half away from zero on the
// decimal expansion, and drops trailing zeros. An empty result is never negative.
TDecimalDigits CutDecimalDigits(TDecimalDigits digits, int places);
