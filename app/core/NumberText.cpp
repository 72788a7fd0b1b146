// Writing number texts: IntegerText, GeneralNumberText, and RoundAtPowerOfTen.
// PatternNumberText is in NumberTextPattern.cpp, the parsers in NumberTextParse.cpp.
#include "NumberText.h"

#include <cmath>

#include "NumberSettings.h"
#include "NumberTextDigits.h"

namespace {

constexpr int GeneralDigits = 15;

}  // namespace

std::string IntegerText(int64_t value)
{
    // Work on the unsigned magnitude so that the lowest value has one too.
    uint64_t magnitude = value < 0 ? 0u - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    std::string reversed;
    do {
        reversed.push_back(static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        reversed.push_back('-');
    return std::string(reversed.rbegin(), reversed.rend());
}

std::string GeneralNumberText(Extended value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";

    const TDecimalDigits cut = CutDecimalDigits(DecimalDigitsOf(value), GeneralDigits);
    if (cut.Digits.empty())
        return "0";

    const std::string& separator = NumberSettings().DecimalSeparator;
    const std::string& digits = cut.Digits;
    const int exponent = cut.Exponent;
    std::string text = cut.Negative ? "-" : "";

    if (exponent >= -3 && exponent <= GeneralDigits) {
        if (exponent <= 0) {
            text += "0" + separator + std::string(-exponent, '0') + digits;
        } else if (static_cast<size_t>(exponent) >= digits.size()) {
            text += digits + std::string(exponent - digits.size(), '0');
        } else {
            text += digits.substr(0, exponent) + separator + digits.substr(exponent);
        }
        return text;
    }

    text += digits[0];
    if (digits.size() > 1)
        text += separator + digits.substr(1);
    return text + "E" + IntegerText(exponent - 1);
}

double RoundAtPowerOfTen(double x, int8_t digits)
{
    // The step is the stored double nearest 10^digits, so ties are decided by stored values.
    const int count = digits < 0 ? -digits : digits;
    const Extended power = PowerOfTen(count);
    const double step = ToDouble(digits < 0 ? 1.0L / power : power);
    // A finite x over a step of at least 1E-128 stays inside Extended; a quotient beyond
    // the 64-bit range (infinite x included) is the invalid operation of the rounding.
    const int64_t multiple = RoundHalfEven(static_cast<Extended>(x) / step);
    return ToDouble(static_cast<Extended>(multiple) * static_cast<Extended>(step));
}
