#include <gtest/gtest.h>

#include <cfloat>

#include "Errors.h"
#include "Extended.h"

TEST(Extended, DivisionRaisesTheSystemErrors)
{
    EXPECT_THROW(ExtDiv(1.0L, 0.0L), EZeroDivide);
    EXPECT_THROW(ExtDiv(0.0L, 0.0L), EInvalidOp);
    EXPECT_THROW(ExtDiv(LDBL_MAX, 0.5L), EOverflow);
    EXPECT_EQ(ExtDiv(1.0L, 4.0L), 0.25L);
    try {
        ExtDiv(2.0L, 0.0L);
        ADD_FAILURE() << "a division by zero passed";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Floating point division by zero");
    }
}

TEST(Extended, SquareRootOfNegativeIsInvalid)
{
    EXPECT_THROW(ExtSqrt(-1e-30L), EInvalidOp);
    EXPECT_EQ(ExtSqrt(0.0L), 0.0L);
    EXPECT_EQ(ExtSqrt(2.25L), 1.5L);
}

TEST(Extended, NarrowingOverflowsOnlyBeyondTheWidth)
{
    EXPECT_THROW(ToSingle(3.5e38L), EOverflow);
    EXPECT_THROW(ToSingle(-3.5e38L), EOverflow);
    EXPECT_EQ(ToSingle(static_cast<long double>(FLT_MAX)), FLT_MAX);
    EXPECT_THROW(ToDouble(1e309L), EOverflow);
    EXPECT_EQ(ToSingle(26.39L), 26.39f);
    // Underflow is silent.
    EXPECT_EQ(ToSingle(1e-60L), 0.0f);
}

TEST(Extended, RoundHalfEvenGoesToTheEvenNeighbour)
{
    InitFloatingPointEnvironment();
    EXPECT_EQ(RoundHalfEven(2.5L), 2);
    EXPECT_EQ(RoundHalfEven(3.5L), 4);
    EXPECT_EQ(RoundHalfEven(-2.5L), -2);
    EXPECT_EQ(RoundHalfEven(5.644L), 6);
    EXPECT_THROW(RoundHalfEven(9.3e18L), EInvalidOp);
    EXPECT_EQ(RoundHalfEven(-9223372036854775808.0L), INT64_MIN);
}
