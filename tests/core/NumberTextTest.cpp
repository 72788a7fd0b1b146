#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "Errors.h"
#include "NumberSettings.h"
#include "NumberText.h"

using namespace std::string_literals;

namespace {

// Tests that change the separators put the user's settings back afterwards.
class NumberTextTest : public ::testing::Test {
protected:
    void SetUp() override { saved_ = NumberSettings(); }
    void TearDown() override { NumberSettings() = saved_; }
    static void UseSeparators(const std::string& decimal, const std::string& thousand)
    {
        NumberSettings().DecimalSeparator = decimal;
        NumberSettings().ThousandSeparator = thousand;
    }

private:
    TNumberSettings saved_;
};

template <typename Call>
std::string ConvertErrorMessage(Call call)
{
    try {
        call();
    } catch (const EConvertError& e) {
        return e.Message();
    }
    return "(no error)";
}

std::string InvalidDecimalMessage(const std::string& text)
{
    return "'" + text + "' is not a valid floating point value";
}

std::string InvalidIntegerMessage(const std::string& text) { return "'" + text + "' is not a valid integer value"; }

struct TParseCase {
    std::string Text;
    Extended Expected;
};

}  // namespace

// ---- ParseDecimalText ----

TEST_F(NumberTextTest, DecimalTextsReadAsExtended)
{
    const TParseCase cases[] = {
        {" 1.5 ", 1.5L},
        {"+.5", 0.5L},
        {"5.", 5.0L},
        {"-2.5e-3", -0.0025L},
        {"1E3", 1000.0L},
        {"1e", 1.0L},
        {"1e+", 1.0L},
        {".", 0.0L},
        {".e7", 0.0L},
        {"26.39", 26.39L},
        {"0.1", 0.1L},
        {"1e0000000000000000000003", 1000.0L},
        {"123456789012345678", 123456789012345678.0L},
    };
    for (const TParseCase& c : cases)
        EXPECT_EQ(ParseDecimalText(c.Text), c.Expected) << "'" << c.Text << "'";
    // Powers beyond 10^27 are not exact in Extended; they come within a few units.
    const TParseCase farCases[] = {
        {"1e499", 1e499L},
        {"1e-499", 1e-499L},
        {"1.18973149535723E4932", 1.18973149535723E4932L},
        {"-3.64519953188247E-4951", -3.64519953188247E-4951L},
    };
    for (const TParseCase& c : farCases)
        EXPECT_NEAR(ParseDecimalText(c.Text) / c.Expected, 1.0L, 1e-17L) << "'" << c.Text << "'";
    EXPECT_TRUE(std::signbit(ParseDecimalText("-0")));
}

TEST_F(NumberTextTest, DecimalValueIsAccumulatedThenScaled)
{
    // 25 / 10^4 rounded once, not 0.0025 assembled digit by digit.
    EXPECT_EQ(ParseDecimalText("0.0025"), 25.0L / 10000.0L);
    // Twenty digits: the accumulated integer is rounded at every step beyond 2^64.
    Extended accumulated = 0.0L;
    for (char c : "12345678901234567891"s)
        accumulated = accumulated * 10.0L + (c - '0');
    EXPECT_EQ(ParseDecimalText("1234567890123456789.1"), accumulated / 10.0L);
}

TEST_F(NumberTextTest, InvalidDecimalTextsNameTheWholeText)
{
    const std::string texts[] = {
        "",     " ",   "-",     "+",    "+-1",  "--1",     "e5",       "E",      "1,5",    "1.5.",
        "1..5", "\t1", "1\t",   "1 e5", "1e5.", "1e99999", "1e-99999", "1e4999", "1e5000", "0x10",
        "$10",  "1 2", "1,000", "inf",  "nan",  "1e++5",   "５",       "1\xff",  "\xc3",   "1.5\n",
    };
    for (const std::string& text : texts)
        EXPECT_EQ(ConvertErrorMessage([&] { ParseDecimalText(text); }), InvalidDecimalMessage(text));

    // The message keeps the whole text, NUL included.
    const std::string withNul("1\0"
                              "5",
                              3);
    EXPECT_EQ(ConvertErrorMessage([&] { ParseDecimalText(withNul); }), InvalidDecimalMessage(withNul));
}

TEST_F(NumberTextTest, LongDecimalTextsAreReadOrRefusedWithoutHarm)
{
    const std::string blanks(100000, ' ');
    EXPECT_EQ(ParseDecimalText(blanks + "5" + blanks), 5.0L);
    EXPECT_EQ(ParseDecimalText(std::string(100000, '0') + "7"), 7.0L);
    // Underflow is silent.
    EXPECT_EQ(ParseDecimalText("0." + std::string(100000, '0') + "1"), 0.0L);
    // The mantissa integer overflows the Extended range.
    const std::string manyDigits(100000, '9');
    EXPECT_EQ(ConvertErrorMessage([&] { ParseDecimalText(manyDigits); }), InvalidDecimalMessage(manyDigits));
    const std::string manyLetters(100000, 'x');
    EXPECT_THROW(ParseDecimalText(manyLetters), EConvertError);
    EXPECT_THROW(ParseDecimalText(blanks), EConvertError);
}

TEST_F(NumberTextTest, DecimalSeparatorComesFromTheSettings)
{
    UseSeparators(",", ".");
    EXPECT_EQ(ParseDecimalText("25,5"), 25.5L);
    EXPECT_EQ(ConvertErrorMessage([] { ParseDecimalText("25.5"); }), InvalidDecimalMessage("25.5"));
    // The thousands separator is never accepted when reading.
    EXPECT_THROW(ParseDecimalText("1.000,5"), EConvertError);

    UseSeparators("\xc2\xb7", " ");  // middle dot, two bytes
    EXPECT_EQ(ParseDecimalText("1\xc2\xb7"
                               "5"),
              1.5L);
    EXPECT_THROW(ParseDecimalText("1\xc2"), EConvertError);
    EXPECT_THROW(ParseDecimalText("1.5"), EConvertError);
}

// ---- ParseIntegerText ----

TEST_F(NumberTextTest, IntegerTextsRead)
{
    const std::pair<std::string, int32_t> cases[] = {
        {" 5", 5},
        {"-12", -12},
        {"+7", 7},
        {"$1F", 31},
        {"0x1F", 31},
        {"x1F", 31},
        {"X1f", 31},
        {"0X1f", 31},
        {"-$1F", -31},
        {"$FFFFFFFF", -1},
        {"$000000000FFFFFFFF", -1},
        {"-$FFFFFFFF", 1},
        {"$80000000", INT32_MIN},
        {"-$80000000", INT32_MIN},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"000000000000000000042", 42},
        {"0", 0},
        {"-0", 0},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ParseIntegerText(text), expected) << "'" << text << "'";
}

TEST_F(NumberTextTest, InvalidIntegerTextsNameTheWholeText)
{
    const std::string texts[] = {
        "",
        " ",
        "5 ",
        "-",
        "+",
        "$",
        "0x",
        "x",
        "2147483648",
        "-2147483649",
        "99999999999999999999",
        "$100000000",
        "$G",
        "1.0",
        "1e3",
        "--1",
        "+-1",
        "0x 1",
        "$ 1",
        "1_000",
        "\t5",
        "00x1",
        "1\xff",
        "12345678901234567890123456789",
        "4294967296",
        "18446744073709551616",  // 2^32 and 2^64: an accumulator that wraps would read 0
    };
    for (const std::string& text : texts)
        EXPECT_EQ(ConvertErrorMessage([&] { ParseIntegerText(text); }), InvalidIntegerMessage(text));

    const std::string withNul("1\0", 2);
    EXPECT_EQ(ConvertErrorMessage([&] { ParseIntegerText(withNul); }), InvalidIntegerMessage(withNul));
    const std::string longDigits(100000, '1');
    EXPECT_EQ(ConvertErrorMessage([&] { ParseIntegerText(longDigits); }), InvalidIntegerMessage(longDigits));
    EXPECT_EQ(ParseIntegerText(std::string(100000, '0') + "3"), 3);
}

// ---- IntegerText ----

TEST_F(NumberTextTest, IntegerTextHasNoGroupingOrLeadingZeros)
{
    UseSeparators(",", ".");
    EXPECT_EQ(IntegerText(0), "0");
    EXPECT_EQ(IntegerText(25), "25");
    EXPECT_EQ(IntegerText(-1234567), "-1234567");
    EXPECT_EQ(IntegerText(-2147483648LL), "-2147483648");
    EXPECT_EQ(IntegerText(INT64_MAX), "9223372036854775807");
    EXPECT_EQ(IntegerText(INT64_MIN), "-9223372036854775808");
}

// ---- GeneralNumberText ----

TEST_F(NumberTextTest, GeneralTextOfExtendedValues)
{
    const std::pair<Extended, std::string> cases[] = {
        {0.0L, "0"},
        {-0.0L, "0"},
        {100.0L, "100"},
        {1.5L, "1.5"},
        {-0.5L, "-0.5"},
        {1.0L / 3.0L, "0.333333333333333"},
        {2.0L / 3.0L, "0.666666666666667"},
        {0.0001L, "0.0001"},
        {0.00001L, "1E-5"},
        {-0.00001234L, "-1.234E-5"},
        {1e15L, "1E15"},
        {1e14L, "100000000000000"},
        {123456789012345678.0L, "1.23456789012346E17"},
        {999999999999999.5L, "1E15"},  // the carry moves the exponent
        {99999999999999.95L, "100000000000000"},
        {99999999999999.94L, "99999999999999.9"},
        {0.000099999999999999999L, "0.0001"},
        {1e-20L, "1E-20"},
        {-1.5e300L, "-1.5E300"},
        {LDBL_MAX, "1.18973149535723E4932"},
        {LDBL_TRUE_MIN, "3.64519953188247E-4951"},
        {std::numeric_limits<Extended>::infinity(), "INF"},
        {-std::numeric_limits<Extended>::infinity(), "-INF"},
        {std::numeric_limits<Extended>::quiet_NaN(), "NAN"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(GeneralNumberText(value), expected);
}

TEST_F(NumberTextTest, GeneralTextShowsTheStoredWidth)
{
    EXPECT_EQ(GeneralNumberText(26.39f), "26.3899993896484");
    EXPECT_EQ(GeneralNumberText(0.1f), "0.100000001490116");
    // The tie at the 16th digit goes away from zero.
    EXPECT_EQ(GeneralNumberText(54.30035400390625f), "54.3003540039063");
    EXPECT_EQ(GeneralNumberText(-54.30035400390625f), "-54.3003540039063");
    EXPECT_EQ(GeneralNumberText(0.1), "0.1");
    EXPECT_EQ(GeneralNumberText(26.39), "26.39");
    EXPECT_EQ(GeneralNumberText(DBL_MAX), "1.79769313486232E308");
    EXPECT_EQ(GeneralNumberText(FLT_MAX), "3.40282346638529E38");
}

TEST_F(NumberTextTest, GeneralTextUsesTheDecimalSeparator)
{
    UseSeparators(",", ".");
    EXPECT_EQ(GeneralNumberText(1.5L), "1,5");
    EXPECT_EQ(GeneralNumberText(-0.00001234L), "-1,234E-5");
    EXPECT_EQ(GeneralNumberText(1234567.0L), "1234567");
}

TEST_F(NumberTextTest, PowersOfTenGetTheirExponent)
{
    // Near every power of ten, in and beyond the range of the direct powers.
    for (int n = -4900; n <= 4900; n += (n > -40 && n < 40) ? 1 : 97) {
        const std::string text = "1E" + IntegerText(n);
        const Extended value = ParseDecimalText(text);
        std::string expected = text;
        if (n >= 0 && n < 15)
            expected = "1" + std::string(n, '0');
        else if (n < 0 && n >= -4)
            expected = "0." + std::string(-n - 1, '0').append("1");
        EXPECT_EQ(GeneralNumberText(value), expected) << text;
        EXPECT_EQ(ParseDecimalText(GeneralNumberText(value)), value) << text;
    }
}

// ---- PatternNumberText ----

struct TPatternCase {
    std::string Pattern;
    Extended Value;
    std::string Expected;
};

TEST_F(NumberTextTest, PatternsInUse)
{
    const TPatternCase cases[] = {
        {"0.000", 5.0L, "5.000"},
        {"0.000", 0.0625L, "0.063"},
        {"0.000", -0.0625L, "-0.063"},
        {"0.000", -0.0004L, "0.000"},
        {"0.000", -0.0006L, "-0.001"},
        {"0.000", 1234567.891L, "1234567.891"},
        {"0.000", 26.39f, "26.390"},
        {"0.000", 0.0L, "0.000"},
        {"0.000", -0.0L, "0.000"},
        {"0.000", 9.9995L, "10.000"},  // carry through every digit
        {"0.000", 9.9995, "9.999"},    // the double lies below the tie
        {"0.000", -999.9996L, "-1000.000"},
        {"0.000", 1e17L, "100000000000000000.000"},
        {"0.000", 1e18L, "1E18"},  // 19 integer digits: general text
        {"0.000", -2.5e20L, "-2.5E20"},
        {"0.000000", 26.39f, "26.389999"},
        {"0.000000", 1.0L / 3.0L, "0.333333"},
        {"#,##0.###", 5.0L, "5"},
        {"#,##0.###", 0.5L, "0.5"},
        {"#,##0.###", 1234.5L, "1,234.5"},
        {"#,##0.###", 1234567.0L, "1,234,567"},
        {"#,##0.###", -1234.5678L, "-1,234.568"},
        {"#,##0.###", 0.0004L, "0.000"},
        {"#,##0.###", 0.00004L, "0"},
        {"#,##0.###", 0.0L, "0"},
        {"#,##0.###", 100.0L, "100"},
        {"#,##0.###", 123456789012.25L, "123,456,789,012.25"},
        {"#,##0.###", 999.9999L, "1,000"},
    };
    for (const TPatternCase& c : cases)
        EXPECT_EQ(PatternNumberText(c.Pattern, c.Value), c.Expected) << c.Pattern << " " << GeneralNumberText(c.Value);
}

TEST_F(NumberTextTest, PatternSeparatorsComeFromTheSettings)
{
    UseSeparators(",", ".");
    EXPECT_EQ(PatternNumberText("#,##0.###", 1234567.5L), "1.234.567,5");
    EXPECT_EQ(PatternNumberText("0.000", 1234.5L), "1234,500");
    UseSeparators(".", "\xe2\x80\x99");  // right single quotation mark, three bytes
    EXPECT_EQ(PatternNumberText("#,##0.###", 1234567.0L), "1\xe2\x80\x99"
                                                          "234\xe2\x80\x99"
                                                          "567");
    UseSeparators(".", "");
    EXPECT_EQ(PatternNumberText("#,##0.###", 1234567.0L), "1234567");
}

TEST_F(NumberTextTest, PatternPlacesSectionsAndTexts)
{
    const TPatternCase cases[] = {
        // Digit places before the point.
        {"000", 5.0L, "005"},
        {"#0#", 5.0L, "05"},
        {"##", 0.4L, ""},
        {"000,000", 5.0L, "000,005"},
        {"0", 123456.0L, "123456"},
        {"0", 2.5L, "3"},
        {"#.##", 0.5L, ".5"},
        {".00", 12.5L, "12.50"},
        // Digit places after the point.
        {"0.#0", 1.5L, "1.50"},
        {"0.0#", 1.0L, "1.0"},
        {"0.###", 1.0L, "1"},
        {"0.0.0", 1.25L, "1.25"},
        // Sections: positive; negative; zero.
        {"0.00;(0.00);'zero'", 1.5L, "1.50"},
        {"0.00;(0.00);'zero'", -1.5L, "(1.50)"},
        {"0.00;(0.00);'zero'", 0.0L, "zero"},
        {"0.00;(0.00);'zero'", -0.001L, "zero"},
        {"0.00;(0.00)", -0.001L, "0.00"},
        {"0.00;;'zero'", -1.5L, "-1.50"},
        {"0.00;(0.00);", 0.0L, "0.00"},
        {"0;0;0;0", -3.0L, "3"},
        // Texts and other characters stand at their place.
        {"'<'0.0'>'", 2.25L, "<2.3>"},
        {"\"a;b\"0", 7.0L, "a;b7"},
        {"0%", 0.5L, "1%"},
        {"0 'kg'", -2.0L, "-2 kg"},
        {"x", 5.0L, "x"},
        {"'unclosed", 5.0L, "unclosed"},
        {"", 2.5L, "2.5"},
    };
    for (const TPatternCase& c : cases)
        EXPECT_EQ(PatternNumberText(c.Pattern, c.Value), c.Expected) << c.Pattern << " " << GeneralNumberText(c.Value);
}

TEST_F(NumberTextTest, PatternLengthIsLimited)
{
    EXPECT_EQ(PatternNumberText(std::string(224, '0'), 1.0L), std::string(223, '0') + "1");
    EXPECT_EQ(ConvertErrorMessage([] { PatternNumberText(std::string(225, '0'), 1.0L); }), "Format string too long");
    // Characters are counted, not bytes.
    std::string wide;
    for (int i = 0; i < 224; ++i)
        wide += "\xe5\x80\xbc";  // 值
    EXPECT_EQ(PatternNumberText(wide, 1.0L), wide);
    EXPECT_THROW(PatternNumberText(wide + "0", 1.0L), EConvertError);
}

// ---- RoundAtPowerOfTen ----

TEST_F(NumberTextTest, RoundingAtAPowerOfTenUsesTheStoredStep)
{
    const struct {
        double Value;
        int8_t Digits;
        double Expected;
    } cases[] = {
        {26.38999, -3, 26.39},
        {12.3456789, -3, 12.346},
        {2.0625, -3, 2.062},
        {0.0005, -3, 0.0},
        {0.00125, -3, 0.001},
        {1.0005, -5, 1.0005000000000002},
        {-12.3456789, -3, -12.346},
        {2.5, 0, 2.0},
        {3.5, 0, 4.0},
        {1250.0, 2, 1200.0},
        {1350.0, 2, 1400.0},
        {0.0, -5, 0.0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RoundAtPowerOfTen(c.Value, c.Digits), c.Expected) << c.Value << " " << int(c.Digits);
}

TEST_F(NumberTextTest, RoundingBeyondTheIntegerRangeIsInvalid)
{
    EXPECT_THROW(RoundAtPowerOfTen(1e16, -3), EInvalidOp);
    EXPECT_THROW(RoundAtPowerOfTen(-1e300, -5), EInvalidOp);
    EXPECT_THROW(RoundAtPowerOfTen(std::numeric_limits<double>::infinity(), -3), EInvalidOp);
    EXPECT_THROW(RoundAtPowerOfTen(std::numeric_limits<double>::quiet_NaN(), -3), EInvalidOp);
    EXPECT_THROW(RoundAtPowerOfTen(1e300, 127), EInvalidOp);
    EXPECT_EQ(RoundAtPowerOfTen(1e100, 127), 0.0);
    EXPECT_EQ(RoundAtPowerOfTen(1e-300, -128), 0.0);
}
