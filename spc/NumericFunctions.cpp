#include "NumericFunctions.h"

#include <cmath>

namespace {

// 2 pi as the Extended constant the curves are defined with.
constexpr Extended TwoPi = 6.283185307179586477L;

// Coefficients of Abramowitz and Stegun, formula 26.2.17.
constexpr Extended p = 0.2316419L;
constexpr Extended b1 = 0.31938153L;
constexpr Extended b2 = -0.356563782L;
constexpr Extended b3 = 1.781477937L;
constexpr Extended b4 = -1.821255978L;
constexpr Extended b5 = 1.330274429L;

// The extremum family: the result starts as the first element at the result
// width and takes every element that beats it.
template <typename Result, typename Element, typename Beats>
Result Extremum(std::span<const Element> values, Beats beats)
{
    Result result = static_cast<Result>(values[0]);
    for (const Element element : values)
        if (beats(element, result))
            result = static_cast<Result>(element);
    return result;
}

// The shared first steps of both distribution functions: 1 / sqrt(2 pi) and z.
struct TStandardised {
    float r;
    float z;
};

TStandardised Standardise(float x, float mean, float sigma)
{
    const float r = ToSingle(ExtDiv(1.0L, ExtSqrt(TwoPi)));
    const float z = ToSingle(ExtDiv(Extended(x) - Extended(mean), Extended(sigma)));
    return {r, z};
}

}  // namespace

int32_t MaxOfIntegers(std::span<const int32_t> values)
{
    return Extremum<int32_t>(values, [](int32_t e, int32_t r) { return e > r; });
}

float MaxOfDoubles(std::span<const double> values)
{
    return Extremum<float>(values, [](double e, float r) { return e > double(r); });
}

float MinOfDoubles(std::span<const double> values)
{
    return Extremum<float>(values, [](double e, float r) { return e < double(r); });
}

float MaxOfSingles(std::span<const float> values)
{
    return Extremum<float>(values, [](float e, float r) { return e > r; });
}

int32_t SturgesClassCount(int32_t n)
{
    return static_cast<int32_t>(RoundHalfEven(CheckedResult(1.0L + 3.322L * std::log10(Extended(n)))));
}

Extended SampleStdDev(std::span<const double> values)
{
    const Extended n = Extended(values.size());
    // Equal readings have no spread; the one-pass formula could leave a
    // rounding residue of either sign.
    bool allEqual = values.size() > 1;
    for (const double value : values)
        allEqual = allEqual && value == values[0];
    if (allEqual)
        return 0.0L;

    Extended sum = 0, sumOfSquares = 0;
    for (const double value : values) {
        sum += Extended(value);
        sumOfSquares += Extended(value) * Extended(value);
    }
    Extended variance = ExtDiv(CheckedResult(sumOfSquares - ExtDiv(sum * sum, n)), n - 1.0L);
    if (variance < 0.0L)
        variance = 0.0L;  // nearly equal readings: rounding, not a real negative spread
    return ExtSqrt(variance);
}

float NormalDensity(float x, float mean, float sigma)
{
    const Extended difference = Extended(x) - Extended(mean);
    const Extended squared = difference * difference;
    const float v = ToSingle(ExtDiv(squared, 2.0L * (Extended(sigma) * Extended(sigma))));
    const Extended e = ExtExp(-Extended(v));
    return ToSingle(ExtDiv(e, Extended(sigma) * ExtSqrt(TwoPi)));
}

float NormalCdfHorner(float x, float mean, float sigma)
{
    const auto [r, z] = Standardise(x, mean, sigma);
    if (z == 0.0f)
        return 0.5f;
    const float t = ToSingle(ExtDiv(1.0L, 1.0L + p * std::fabs(Extended(z))));
    const Extended e = ExtExp(-0.5L * Extended(z) * Extended(z));
    const Extended T = t;
    const Extended polynomial = (((b5 * T + b4) * T + b3) * T + b2) * T + b1;
    const float upperTail = ToSingle(e * (T * Extended(r)) * polynomial);
    if (z > 0.0f)
        return ToSingle(1.0L - Extended(upperTail));
    return upperTail;
}

float NormalCdfPowers(float x, float mean, float sigma)
{
    const auto [r, z] = Standardise(x, mean, sigma);
    if (z == 0.0f)
        return 0.5f;
    const float a = std::fabs(z);
    const float t = ToSingle(ExtDiv(1.0L, 1.0L + p * Extended(a)));
    const Extended phi = ExtExp((-Extended(a) * Extended(a)) / 2.0L) * Extended(r);
    const Extended T = t;
    const Extended t2 = T * T;
    const Extended t3 = t2 * T;
    const Extended t4 = t3 * T;
    const Extended t5 = t4 * T;
    const Extended series = ((b3 * t3 + (b1 * T + b2 * t2)) + b4 * t4) + b5 * t5;
    const float P = ToSingle(1.0L - phi * series);
    if (z >= 0.0f)
        return P;
    return ToSingle(1.0L - Extended(P));
}
