// Reading number texts: ParseDecimalText and ParseIntegerText.
#include <cmath>
#include <cstdint>
#include <string>

#include "Errors.h"
#include "NumberSettings.h"
#include "NumberText.h"
#include "NumberTextDigits.h"

namespace {

// Exponent digits are read only while the exponent is below this.
constexpr int ExponentReadLimit = 500;
// 10^4000 is well inside the Extended range; larger scalings go in steps.
constexpr int LargestScalingStep = 4000;

[[noreturn]] void ThrowInvalidDecimal(std::string_view text)
{
    throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

[[noreturn]] void ThrowInvalidInteger(std::string_view text)
{
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Only the space counts as a blank.
size_t SkipBlanks(std::string_view text, size_t pos)
{
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    return pos;
}

// mantissa * 10^k, multiplying or dividing by the power of ten.
Extended ScaleByPowerOfTen(Extended mantissa, long k)
{
    while (k > LargestScalingStep && std::isfinite(mantissa)) {
        mantissa *= PowerOfTen(LargestScalingStep);
        k -= LargestScalingStep;
    }
    while (k < -LargestScalingStep && mantissa != 0.0L) {
        mantissa /= PowerOfTen(LargestScalingStep);
        k += LargestScalingStep;
    }
    if (k >= 0)
        return mantissa * PowerOfTen(static_cast<int>(k));
    return mantissa / PowerOfTen(static_cast<int>(-k));
}

}  // namespace

Extended ParseDecimalText(std::string_view text)
{
    const std::string& separator = NumberSettings().DecimalSeparator;
    size_t pos = SkipBlanks(text, 0);

    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }

    // Mantissa digits accumulate as an integer; a mantissa needs a digit or the separator.
    Extended mantissa = 0.0L;
    long decimals = 0;
    bool hasMantissa = false;
    while (pos < text.size() && IsDigit(text[pos])) {
        mantissa = mantissa * 10.0L + (text[pos++] - '0');
        hasMantissa = true;
    }
    if (!separator.empty() && text.substr(pos, separator.size()) == separator) {
        pos += separator.size();
        hasMantissa = true;
        while (pos < text.size() && IsDigit(text[pos])) {
            mantissa = mantissa * 10.0L + (text[pos++] - '0');
            ++decimals;
        }
    }
    if (!hasMantissa)
        ThrowInvalidDecimal(text);

    long exponent = 0;
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            negativeExponent = text[pos] == '-';
            ++pos;
        }
        while (pos < text.size() && IsDigit(text[pos]) && exponent < ExponentReadLimit)
            exponent = exponent * 10 + (text[pos++] - '0');
        if (negativeExponent)
            exponent = -exponent;
    }

    pos = SkipBlanks(text, pos);
    if (pos != text.size())
        ThrowInvalidDecimal(text);

    if (!std::isfinite(mantissa))
        ThrowInvalidDecimal(text);
    Extended value = mantissa == 0.0L ? 0.0L : ScaleByPowerOfTen(mantissa, exponent - decimals);
    if (!std::isfinite(value))
        ThrowInvalidDecimal(text);
    return negative ? -value : value;
}

int32_t ParseIntegerText(std::string_view text)
{
    size_t pos = SkipBlanks(text, 0);
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }

    bool hex = false;
    if (pos < text.size() && (text[pos] == '$' || text[pos] == 'x' || text[pos] == 'X')) {
        hex = true;
        pos += 1;
    } else if (pos + 1 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        hex = true;
        pos += 2;
    }

    if (pos == text.size())
        ThrowInvalidInteger(text);

    if (hex) {
        // At most eight significant hexadecimal digits, taken as a 32-bit pattern.
        uint32_t pattern = 0;
        int significant = 0;
        for (; pos < text.size(); ++pos) {
            const int digit = HexDigitValue(text[pos]);
            if (digit < 0)
                ThrowInvalidInteger(text);
            if (significant > 0 || digit != 0)
                ++significant;
            if (significant > 8)
                ThrowInvalidInteger(text);
            pattern = (pattern << 4) | static_cast<uint32_t>(digit);
        }
        // Negation wraps on the bit pattern: "-$80000000" stays -2147483648.
        if (negative)
            pattern = 0u - pattern;
        return static_cast<int32_t>(pattern);
    }

    // Leading zeros are unlimited; the magnitude stops growing once beyond range.
    constexpr uint64_t beyondRange = 2147483649ull;
    uint64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        if (!IsDigit(text[pos]))
            ThrowInvalidInteger(text);
        if (magnitude < beyondRange)
            magnitude = magnitude * 10 + static_cast<uint64_t>(text[pos] - '0');
    }
    const uint64_t limit = negative ? 2147483648ull : 2147483647ull;
    if (magnitude > limit)
        ThrowInvalidInteger(text);
    const int64_t value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    return static_cast<int32_t>(value);
}
