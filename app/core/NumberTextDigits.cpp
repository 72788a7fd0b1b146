#include "NumberTextDigits.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr int SignificantDigits = 18;
constexpr Extended Lowest18Digit = 1e17L;   // exact in Extended
constexpr Extended Beyond18Digit = 1e18L;   // exact in Extended

// 5^n by repeated squaring: 10^n = 5^n * 2^n, so the significand is the same
// as that of 10^n while the range stays far from overflow.
Extended PowerOfFive(int n)
{
    Extended result = 1.0L;
    Extended base = 5.0L;
    for (;;) {
        if (n & 1)
            result *= base;
        n >>= 1;
        if (n == 0)
            return result;
        base *= base;
    }
}

// magnitude * 10^k with one rounding of the product, even where 10^k itself
// lies outside the Extended range (denormal and huge magnitudes).
Extended ScaleForDigits(Extended magnitude, int k)
{
    if (k >= 0)
        return std::ldexp(magnitude * PowerOfFive(k), k);
    return std::ldexp(magnitude / PowerOfFive(-k), k);
}

}  // namespace

Extended PowerOfTen(int n)
{
    Extended result = 1.0L;
    Extended base = 10.0L;
    for (;;) {
        if (n & 1)
            result *= base;
        n >>= 1;
        if (n == 0)
            return result;
        base *= base;
    }
}

TDecimalDigits DecimalDigitsOf(Extended value)
{
    TDecimalDigits result;
    if (value == 0.0L || !std::isfinite(value))
        return result;
    result.Negative = std::signbit(value);
    const Extended magnitude = std::fabs(value);

    // 2^b <= magnitude < 2^(b+1) puts the decimal exponent at this estimate or one above.
    const int binaryExponent = std::ilogb(magnitude);
    int exponent = static_cast<int>(std::floor(binaryExponent * 0.30102999566398119521L)) + 1;

    Extended scaled = std::nearbyint(ScaleForDigits(magnitude, SignificantDigits - exponent));
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (scaled >= Beyond18Digit) {
            ++exponent;
        } else if (scaled < Lowest18Digit) {
            --exponent;
        } else {
            break;
        }
        scaled = std::nearbyint(ScaleForDigits(magnitude, SignificantDigits - exponent));
    }
    // Rounding can only reach the next power of ten, which reads as 1 followed by zeros.
    if (scaled >= Beyond18Digit) {
        scaled = Lowest18Digit;
        ++exponent;
    }

    uint64_t integer = static_cast<uint64_t>(scaled);
    result.Digits.assign(SignificantDigits, '0');
    for (int i = SignificantDigits - 1; i >= 0; --i) {
        result.Digits[i] = static_cast<char>('0' + integer % 10);
        integer /= 10;
    }
    result.Exponent = exponent;
    return result;
}

TDecimalDigits CutDecimalDigits(TDecimalDigits digits, int places)
{
    std::string& d = digits.Digits;
    if (d.empty()) {
        digits.Negative = false;
        return digits;
    }
    if (places < 0) {
        d.clear();
        digits.Exponent = 0;
    } else if (places == 0) {
        if (d[0] >= '5') {
            d.assign(1, '1');
            ++digits.Exponent;
        } else {
            d.clear();
        }
    } else if (static_cast<size_t>(places) < d.size()) {
        const bool roundUp = d[places] >= '5';
        d.resize(places);
        if (roundUp) {
            int i = places - 1;
            while (i >= 0 && d[i] == '9')
                d[i--] = '0';
            if (i >= 0) {
                ++d[i];
            } else {
                d.assign(1, '1');
                ++digits.Exponent;
            }
        }
    }
    while (!d.empty() && d.back() == '0')
        d.pop_back();
    if (d.empty())
        digits.Negative = false;
    return digits;
}
