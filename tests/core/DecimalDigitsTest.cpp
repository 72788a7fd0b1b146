// The 18-digit decimal string is built with table powers, frndint and integer
// arithmetic for speed. These tests hold it to the plain construction
// (power of five by squaring, ldexp, floor and nearbyintl) over every binary
// exponent of Extended, random Doubles and Singles, and the neighbours of
// every power of ten: the digits, exponent and sign must be the same.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

#include "Extended.h"
#include "NumberTextDigits.h"

namespace {

Extended PlainPowerOfFive(int n)
{
    Extended result = 1.0L, base = 5.0L;
    for (; n != 0; n >>= 1, base *= base)
        if (n & 1)
            result *= base;
    return result;
}

Extended PlainScale(Extended magnitude, int k)
{
    if (k >= 0)
        return std::ldexp(magnitude * PlainPowerOfFive(k), k);
    return std::ldexp(magnitude / PlainPowerOfFive(-k), k);
}

TDecimalDigits PlainDecimalDigits(Extended value)
{
    TDecimalDigits result;
    if (value == 0.0L || !std::isfinite(value))
        return result;
    result.Negative = std::signbit(value);
    const Extended magnitude = std::fabs(value);
    int exponent = static_cast<int>(std::floor(std::ilogb(magnitude) * 0.30102999566398119521L)) + 1;
    Extended scaled = std::nearbyintl(PlainScale(magnitude, 18 - exponent));
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (scaled >= 1e18L)
            ++exponent;
        else if (scaled < 1e17L)
            --exponent;
        else
            break;
        scaled = std::nearbyintl(PlainScale(magnitude, 18 - exponent));
    }
    if (scaled >= 1e18L) {
        scaled = 1e17L;
        ++exponent;
    }
    uint64_t integer = static_cast<uint64_t>(scaled);
    result.Digits.assign(18, '0');
    for (int i = 17; i >= 0; --i, integer /= 10)
        result.Digits[i] = static_cast<char>('0' + integer % 10);
    result.Exponent = exponent;
    return result;
}

void ExpectSameDigits(Extended value)
{
    const TDecimalDigits fast = DecimalDigitsOf(value);
    const TDecimalDigits plain = PlainDecimalDigits(value);
    ASSERT_EQ(fast.Digits, plain.Digits) << std::hexfloat << value;
    ASSERT_EQ(fast.Exponent, plain.Exponent) << std::hexfloat << value;
    ASSERT_EQ(fast.Negative, plain.Negative) << std::hexfloat << value;
}

}  // namespace

TEST(DecimalDigits, SameAsThePlainConstructionAtEveryBinaryExponent)
{
    std::mt19937_64 random(20240611);
    for (int b = -16445; b <= 16383; ++b) {
        const uint64_t significands[] = {uint64_t(1) << 63, ~uint64_t(0), random() | uint64_t(1) << 63,
                                         random() | uint64_t(1) << 63};
        for (const uint64_t significand : significands) {
            const Extended value = std::ldexp(static_cast<Extended>(significand), b - 63);
            if (value == 0.0L || std::isinf(value))
                continue;
            ExpectSameDigits(value);
            ExpectSameDigits(-value);
        }
    }
}

TEST(DecimalDigits, SameAsThePlainConstructionForDoublesSinglesAndPowersOfTen)
{
    std::mt19937_64 random(7);
    for (int i = 0; i < 200000; ++i) {
        const uint64_t bits = random();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        float f;
        const uint32_t half = static_cast<uint32_t>(bits >> 32);
        std::memcpy(&f, &half, sizeof f);
        ExpectSameDigits(d);
        ExpectSameDigits(f);
        // Readings and results in their usual range.
        ExpectSameDigits(static_cast<Extended>(bits % 100000000) / 1000.0L);
    }
    for (int n = -4950; n <= 4930; ++n) {
        const Extended power = std::pow(10.0L, static_cast<Extended>(n));
        ExpectSameDigits(power);
        ExpectSameDigits(std::nextafter(power, 0.0L));
        ExpectSameDigits(std::nextafter(power, LDBL_MAX));
    }
    ExpectSameDigits(LDBL_MAX);
    ExpectSameDigits(LDBL_TRUE_MIN);
    ExpectSameDigits(LDBL_MIN);
}

TEST(DecimalDigits, WholeNumberRoundingIsNearbyint)
{
    InitFloatingPointEnvironment();
    std::mt19937_64 random(11);
    for (int i = 0; i < 100000; ++i) {
        // Halves, quarters and arbitrary fractions up to the 64-bit range.
        const Extended value = std::ldexp(static_cast<Extended>(static_cast<int64_t>(random())), -(i % 66));
        ASSERT_EQ(RoundHalfEven(value), static_cast<int64_t>(std::nearbyintl(value))) << std::hexfloat << value;
    }
}
