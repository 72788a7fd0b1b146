// The window's number texts as workbook numbers whose format shows the same text.
#include <gtest/gtest.h>

#include "NumberCell.h"

TEST(NumberCell, GivesTheValueAndAFormatThatShowsTheTextAgain)
{
    struct TCase {
        const char* Text;
        const char* Separator;
        double Value;
        const char* Format;
    };
    for (const TCase& c : {
             TCase{"25", ".", 25, "0"},
             TCase{"26.4011993408203", ".", 26.4011993408203, "0.0000000000000"},
             TCase{"-0.0485923774540424", ".", -0.0485923774540424, "0.0000000000000000"},
             TCase{"26.390", ".", 26.39, "0.000"},
             TCase{"26,390", ",", 26.39, "0.000"},
             TCase{"007", ".", 7, "000"},
             TCase{"9.99999974737875E-6", ".", 9.99999974737875E-6, "0.00000000000000E-0"},
             TCase{"1.23456789012346E17", ".", 1.23456789012346E17, "0.00000000000000E-00"},
             TCase{"1E+05", ".", 1E5, "0E+00"},
         }) {
        const auto cell = NumberCellOf(c.Text, c.Separator);
        ASSERT_TRUE(cell) << c.Text;
        EXPECT_EQ(cell->Value, c.Value) << c.Text;
        EXPECT_EQ(cell->Format, c.Format) << c.Text;
    }
}

TEST(NumberCell, LeavesAsTextWhatASpreadsheetCouldNotShowDigitForDigit)
{
    // Texts, other separators, blanks and signs a format cannot write, more
    // digits than a spreadsheet keeps, a mantissa it would normalise, a value
    // beyond a double.
    for (const char* text : {"", "Edit31", "INF", "高于规格28数量=4百分比 16%", "26.39 ", " 26.39", "+5", "5.", ".5",
                             "-0", "1,5", "1234567890123456", "0.1234567890123456", "1e5", "12.5E3", "1E400", "1E"})
        EXPECT_FALSE(NumberCellOf(text, ".")) << text;
    EXPECT_FALSE(NumberCellOf("26.39", ","));
    EXPECT_TRUE(NumberCellOf("1234567890123450000", "."));  // trailing zeros are shown as zeros
}
