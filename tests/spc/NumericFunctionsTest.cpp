// The shared numeric functions and factor tables, against the worked values
// of the computation's definitions and textbook figures of the normal curve.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Errors.h"
#include "FactorTables.h"
#include "NumericFunctions.h"

TEST(Extremum, KeepsTheRunningExtremeAtTheResultWidth)
{
    const std::vector<double> twoReadings = {26.39, 24.52};
    EXPECT_EQ(MaxOfDoubles(twoReadings), 26.39f);
    EXPECT_EQ(MinOfDoubles(twoReadings), 24.52f);

    // 1.00000001 is above 1 as a Double but equals it as a Single: no change.
    const std::vector<double> beyondSingle = {1.0, 1.00000001, 0.99999999};
    EXPECT_EQ(MaxOfDoubles(beyondSingle), 1.0f);
    EXPECT_EQ(MinOfDoubles(beyondSingle), 1.0f);

    const std::vector<int32_t> zeros(12, 0);
    EXPECT_EQ(MaxOfIntegers(zeros), 0);
    const std::vector<int32_t> frequencies = {0, 3, 3, 12, 3, 1, 2, 1, 0, 0, 0, 0};
    EXPECT_EQ(MaxOfIntegers(frequencies), 12);
    const std::vector<float> curve = {-1.0f, 0.25f, 0.5f, 0.125f};
    EXPECT_EQ(MaxOfSingles(curve), 0.5f);
}

TEST(SturgesClassCount, RoundsOnePlusLogTerm)
{
    EXPECT_EQ(SturgesClassCount(1), 1);
    EXPECT_EQ(SturgesClassCount(25), 6);   // 5.644
    EXPECT_EQ(SturgesClassCount(50), 7);   // 6.644
    EXPECT_EQ(SturgesClassCount(100), 8);  // 7.644
    EXPECT_EQ(SturgesClassCount(723), 10);
    EXPECT_EQ(SturgesClassCount(724), 11);
}

TEST(SampleStdDev, DivisorIsCountLessOne)
{
    EXPECT_NEAR(double(SampleStdDev(std::vector<double>{1, 2, 3, 4})), 1.29099444873581, 1e-14);
    EXPECT_THROW(SampleStdDev(std::vector<double>{26.39}), EInvalidOp);
}

TEST(SampleStdDev, EqualReadingsGiveExactlyZero)
{
    for (const double reading : {0.1, 26.39, 1e-300, -7.77, 123456.789, 3e38})
        for (const size_t count : {2, 3, 5, 50})
            EXPECT_EQ(SampleStdDev(std::vector<double>(count, reading)), 0.0L) << reading << " x" << count;
}

TEST(SampleStdDev, RoundingBelowZeroCountsAsZero)
{
    // Two readings one unit apart in the last place: the one-pass formula
    // cancels to a small negative variance here.
    const double reading = 100.15625;
    const std::vector<double> nearlyEqual = {reading, std::nextafter(reading, 200.0)};
    Extended sum = 0, sumOfSquares = 0;
    for (const double value : nearlyEqual) {
        sum += value;
        sumOfSquares += Extended(value) * Extended(value);
    }
    ASSERT_LT(sumOfSquares - sum * sum / 2, 0.0L);
    EXPECT_EQ(SampleStdDev(nearlyEqual), 0.0L);
}

TEST(NormalFunctions, AgreeWithTheStandardNormalCurve)
{
    EXPECT_NEAR(NormalDensity(0, 0, 1), 0.398942292, 5e-10);
    EXPECT_NEAR(NormalDensity(1, 0, 1), 0.241970718, 5e-10);

    EXPECT_EQ(NormalCdfHorner(25.5f, 25.5f, 1.8f), 0.5f);
    EXPECT_EQ(NormalCdfPowers(25.5f, 25.5f, 1.8f), 0.5f);
    EXPECT_NEAR(NormalCdfHorner(1, 0, 1), 0.8413447, 5e-8);
    EXPECT_NEAR(NormalCdfPowers(1, 0, 1), 0.8413447, 5e-8);
    EXPECT_NEAR(NormalCdfHorner(-3, 0, 1), 0.00134996709, 5e-12);
    EXPECT_NEAR(NormalCdfPowers(-3, 0, 1), 0.00134998560, 5e-12);
}

TEST(NormalFunctions, PowersFormRoundsTheComplementForNegativeZ)
{
    // 1 - P is taken after P is a Single, so it is a multiple of 2^-24 ...
    const float lowerTail = NormalCdfPowers(-3, 0, 1);
    EXPECT_EQ(std::ldexp(double(lowerTail), 24), std::round(std::ldexp(double(lowerTail), 24)));
    // ... while the Horner form keeps the tail at full Single precision.
    const float hornerTail = NormalCdfHorner(-3, 0, 1);
    EXPECT_NE(std::ldexp(double(hornerTail), 24), std::round(std::ldexp(double(hornerTail), 24)));
}

TEST(NormalFunctions, ZeroSigmaRaises)
{
    EXPECT_THROW(NormalDensity(1, 0, 0), EZeroDivide);
    EXPECT_THROW(NormalDensity(0, 0, 0), EInvalidOp);
    EXPECT_THROW(NormalCdfHorner(1, 0, 0), EZeroDivide);
    EXPECT_THROW(NormalCdfPowers(0, 0, 0), EInvalidOp);
}

TEST(FactorTables, HoldTheSinglesOfThePublishedFactors)
{
    for (const TFactorTable* table : {&c4, &A2, &d2, &D3, &D4})
        EXPECT_EQ((*table)[1], (*table)[2]);
    EXPECT_EQ(c4[5], 0.94f);
    EXPECT_EQ(c4[16], 0.983f);
    EXPECT_EQ(c4[25], 0.9896f);
    EXPECT_EQ(A2[5], 0.577f);
    EXPECT_EQ(d2[5], 2.326f);
    EXPECT_EQ(D3[6], 0.0f);
    EXPECT_EQ(D3[7], 0.076f);
    EXPECT_EQ(D4[3], 2.574f);
    EXPECT_EQ(D4[25], 1.541f);
    EXPECT_EQ(d2[25], 3.931f);
}
