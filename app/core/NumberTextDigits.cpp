#include "NumberTextDigits.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

constexpr int SignificantDigits = 18;
constexpr Extended Lowest18Digit = 1e17L;  // exact in Extended
constexpr Extended Beyond18Digit = 1e18L;  // exact in Extended

// 10^0 to 10^27: every one exact in Extended (5^27 < 2^64).
constexpr int LargestExactPower = 27;
constexpr Extended ExactPowersOfTen[LargestExactPower + 1] = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
    1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};

// base^n for n >= 0 by repeated squaring in Extended.
Extended RepeatedSquaring(Extended base, int n)
{
    Extended result = 1.0L;
    for (;;) {
        if (n & 1)
            result *= base;
        n >>= 1;
        if (n == 0)
            return result;
        base *= base;
    }
}

// 10^n = 5^n * 2^n, so 5^n has the significand of 10^n while the range stays
// far from overflow.
Extended PowerOfFive(int n) { return RepeatedSquaring(5.0L, n); }

// magnitude * 10^k with one rounding of the product, even where 10^k itself
// lies outside the Extended range (denormal and huge magnitudes). With an
// exact 10^k the product is rounded just as magnitude * 5^k is, the factor
// 2^k only moving the exponent, so the table gives the same value faster.
Extended ScaleForDigits(Extended magnitude, int k)
{
    if (k >= 0 && k <= LargestExactPower)
        return magnitude * ExactPowersOfTen[k];
    if (k < 0 && -k <= LargestExactPower)
        return magnitude / ExactPowersOfTen[-k];
    if (k >= 0)
        return std::ldexp(magnitude * PowerOfFive(k), k);
    return std::ldexp(magnitude / PowerOfFive(-k), k);
}

// Whole-number rounding in the current mode (nearest, ties to even): frndint
// without the environment save of nearbyintl; exceptions are masked.
Extended RoundToWhole(Extended value) { return std::rint(value); }

// floor(b * log10(2)) for every binary exponent of an Extended: the integer
// ratio 1292913986 / 2^32 lies close enough to log10(2) over that range.
int DecimalExponentBelow(int binaryExponent)
{
    return static_cast<int>((static_cast<int64_t>(binaryExponent) * 1292913986) >> 32);
}

// ilogb from the exponent field; denormals go the long way.
int BinaryExponentOf(Extended magnitude)
{
    unsigned char bytes[sizeof(Extended)];
    std::memcpy(bytes, &magnitude, sizeof bytes);
    const int biased = (bytes[8] | bytes[9] << 8) & 0x7FFF;
    return biased != 0 ? biased - 16383 : std::ilogb(magnitude);
}

// A whole number below 2^63 as an integer: adding 2^63 is exact and leaves the
// number as the low bits of the 64-bit significand.
uint64_t WholeNumberBits(Extended whole)
{
    const Extended shifted = whole + 9223372036854775808.0L;
    uint64_t significand;
    std::memcpy(&significand, &shifted, sizeof significand);
    return significand - (uint64_t(1) << 63);
}

}  // namespace

Extended PowerOfTen(int n) { return RepeatedSquaring(10.0L, n); }

TDecimalDigits DecimalDigitsOf(Extended value)
{
    TDecimalDigits result;
    if (value == 0.0L || !std::isfinite(value))
        return result;
    result.Negative = std::signbit(value);
    const Extended magnitude = std::fabs(value);

    // 2^b <= magnitude < 2^(b+1) puts the decimal exponent at this estimate or one above.
    int exponent = DecimalExponentBelow(BinaryExponentOf(magnitude)) + 1;

    Extended scaled = RoundToWhole(ScaleForDigits(magnitude, SignificantDigits - exponent));
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (scaled >= Beyond18Digit) {
            ++exponent;
        } else if (scaled < Lowest18Digit) {
            --exponent;
        } else {
            break;
        }
        scaled = RoundToWhole(ScaleForDigits(magnitude, SignificantDigits - exponent));
    }
    // Rounding can only reach the next power of ten, which reads as 1 followed by zeros.
    if (scaled >= Beyond18Digit) {
        scaled = Lowest18Digit;
        ++exponent;
    }

    // Two halves of nine digits each, so the digit loop divides 32-bit numbers.
    const uint64_t integer = WholeNumberBits(scaled);
    uint32_t halves[2] = {static_cast<uint32_t>(integer / 1000000000u), static_cast<uint32_t>(integer % 1000000000u)};
    char digits[SignificantDigits];
    for (int half = 0; half < 2; ++half)
        for (int i = 8; i >= 0; --i) {
            digits[half * 9 + i] = static_cast<char>('0' + halves[half] % 10);
            halves[half] /= 10;
        }
    result.Digits.assign(digits, SignificantDigits);
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
