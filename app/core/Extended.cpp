#include "Extended.h"

#include <cfenv>
#include <cmath>
#include <limits>

#include "Errors.h"

void InitFloatingPointEnvironment()
{
    std::fesetround(FE_TONEAREST);
#if defined(__x86_64__) || defined(__i386__)
    // Precision control 64-bit significand, round to nearest, all x87
    // exceptions masked: errors are raised by the explicit checks below.
    unsigned short controlWord = 0x037F;
    __asm__ volatile("fldcw %0" : : "m"(controlWord));
#endif
}

Extended CheckedResult(Extended value)
{
    if (std::isnan(value))
        throw EInvalidOp();
    if (std::isinf(value))
        throw EOverflow();
    return value;
}

Extended ExtAdd(Extended a, Extended b) { return CheckedResult(a + b); }
Extended ExtSub(Extended a, Extended b) { return CheckedResult(a - b); }
Extended ExtMul(Extended a, Extended b) { return CheckedResult(a * b); }

Extended ExtDiv(Extended a, Extended b)
{
    if (b == 0.0L) {
        if (a == 0.0L || std::isnan(a))
            throw EInvalidOp();
        throw EZeroDivide();
    }
    return CheckedResult(a / b);
}

Extended ExtSqrt(Extended x)
{
    if (x < 0.0L || std::isnan(x))
        throw EInvalidOp();
    return std::sqrt(x);
}

Extended ExtExp(Extended x) { return CheckedResult(std::exp(x)); }

float ToSingle(Extended value)
{
    if (std::isnan(value))
        throw EInvalidOp();
    const float narrowed = static_cast<float>(value);
    if (std::isinf(narrowed) && !std::isinf(value))
        throw EOverflow();
    return narrowed;
}

double ToDouble(Extended value)
{
    if (std::isnan(value))
        throw EInvalidOp();
    const double narrowed = static_cast<double>(value);
    if (std::isinf(narrowed) && !std::isinf(value))
        throw EOverflow();
    return narrowed;
}

int64_t RoundHalfEven(Extended value)
{
    // rint (frndint) rounds in the current mode, which start-up sets to
    // nearest-even; unlike nearbyintl it does not save and restore the whole
    // floating-point environment, and the exceptions it may flag are masked.
    const Extended rounded = std::rint(value);
    // 2^63 is exact in Extended; the range is [-2^63, 2^63).
    constexpr Extended limit = 9223372036854775808.0L;
    if (std::isnan(rounded) || rounded >= limit || rounded < -limit)
        throw EInvalidOp();
    return static_cast<int64_t>(rounded);
}
