// Reading a file into the grid: the defined readings and the refusals.
#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>

#include "GridReader.h"

namespace {

std::vector<std::vector<std::string>> Rows(const TBatchGrid& grid)
{
    std::vector<std::vector<std::string>> rows(static_cast<std::size_t>(grid.RowCount()));
    for (int row = 0; row < grid.RowCount(); ++row)
        for (int col = 0; col < grid.ColCount(); ++col)
            rows[row].emplace_back(grid.Cell(col, row));
    return rows;
}

std::vector<std::vector<std::string>> Read(const std::string& text, const std::string& locale = ".")
{
    std::istringstream in(text);
    return Rows(ReadGrid(in, std::nullopt, locale).Grid);
}

TGridSeparators SeparatorsOf(const std::string& text, std::optional<std::string> option, const std::string& locale)
{
    std::istringstream in(text);
    return ReadGrid(in, option, locale).Separators;
}

std::string Refusal(const std::string& text, const std::string& locale = ".")
{
    std::istringstream in(text);
    try {
        ReadGrid(in, std::nullopt, locale);
    } catch (const TInputError& error) {
        return error.what();
    }
    return "read";
}

// An endless line of digits, as from a device that never sends a line end.
class TEndlessLine : public std::streambuf {
protected:
    int_type underflow() override
    {
        buffer_.assign(1 << 16, '1');
        setg(buffer_.data(), buffer_.data(), buffer_.data() + buffer_.size());
        return '1';
    }

private:
    std::string buffer_;
};

}  // namespace

TEST(GridReader, LinesAreRowsAndFieldsAreCells)
{
    // A byte order mark, CRLF, a lone CR, a last line without its end, ragged rows.
    EXPECT_EQ(Read("\xEF\xBB\xBF"
                   "1.5,2\r\n3\r\n\r4,,6\r7"),
              (std::vector<std::vector<std::string>>{
                  {"1.5", "2", ""}, {"3", "", ""}, {"", "", ""}, {"4", "", "6"}, {"7", "", ""}}));
    // Quoted fields keep separators, line breaks and doubled quotes; text after the closing quote joins.
    EXPECT_EQ(Read("\"1;5\"\t\"a\"\"b\"\tc\"d\n\"x\r\ny\"z\t2\n"),
              (std::vector<std::vector<std::string>>{{"1;5", "a\"b", "c\"d"}, {"x\r\nyz", "2", ""}}));
    // One field separator per file: with tab, ";" is part of a field.
    EXPECT_EQ(Read("1,5;2,25\t3\n", ","), (std::vector<std::vector<std::string>>{{"1,5;2,25", "3"}}));
    // Other bytes are the cell's text, blanks and control characters included.
    EXPECT_EQ(Read(" 1 ,\x01\n"), (std::vector<std::vector<std::string>>{{" 1 ", "\x01"}}));
}

TEST(GridReader, InputThatIsNoGridIsRefusedNamingWhy)
{
    EXPECT_EQ(Refusal(""), "输入中没有任何测量值（输入为空或只有空字段）");
    EXPECT_EQ(Refusal("\xEF\xBB\xBF\r\n;;\n\"\"\n"), "输入中没有任何测量值（输入为空或只有空字段）");
    EXPECT_EQ(Refusal(std::string("1\n2\r\n3\x00"
                                  "4\n",
                                  9)),
              "输入第 3 行含有 NUL 字节：输入不是文本");
    EXPECT_EQ(Refusal("\"a\r\nb\"\r\n\"c\n"), "输入第 3 行的引号没有闭合");
    EXPECT_EQ(Refusal("1\n2,\xC3(\n"), "输入第 2 行第 2 个字段不是有效的 UTF-8 文本");
    EXPECT_EQ(Refusal("1\n\xED\xA0\x80\n"), "输入第 2 行第 1 个字段不是有效的 UTF-8 文本");  // a surrogate
    EXPECT_EQ(Refusal(std::string("\xFF\xFE"
                                  "1\x00",
                                  4)),
              "输入是 UTF-16 编码：请存为 UTF-8");
    EXPECT_EQ(Refusal("1\n\"2\n3\n"), "输入第 2 行的引号没有闭合");
    EXPECT_EQ(Read("中文,2\n")[0][0], "中文");
    // One line of 20,000 fields above 10,000 short ones: 200 million cells to visit.
    std::string ragged = std::string(19999, ',') + "\n";
    for (int i = 0; i < 10000; ++i)
        ragged += "1\n";
    EXPECT_EQ(Refusal(ragged),
              "各行字段数相差太大：10001 行中最长一行有 20000 个字段，短行之后缺少的单元格超过 100000000 个");
}

// A number is never split in two: the field separator is chosen before any
// value is read, and a "," beside ";" or tab is the decimal separator.
TEST(GridReader, SeparatorsAreChosenFromTheFirstLines)
{
    EXPECT_EQ(Read("25,32;26,16\n"), (std::vector<std::vector<std::string>>{{"25,32", "26,16"}}));
    const TGridSeparators semicolon = SeparatorsOf("25,32;26,16\n", std::nullopt, ".");
    EXPECT_EQ(semicolon.Field, ';');
    EXPECT_EQ(semicolon.Decimal, ",");
    EXPECT_EQ(SeparatorsOf("25,32\t26,16\n", std::string("."), ".").Decimal, ".");
    EXPECT_EQ(SeparatorsOf("25.32,26.16\n", std::nullopt, ".").Field, ',');
    EXPECT_EQ(SeparatorsOf("25.32\n26\n", std::nullopt, ",").Field, '\0');
    EXPECT_EQ(Refusal("1\n25,32,26,16\n", ","),
              "输入第 2 行：字段分隔符和小数分隔符都是“,”，无法区分；请用分号或制表符分隔字段，或用 "
              "--decimal-separator 指定另一个小数分隔符");
    EXPECT_EQ(Refusal("1;2\n3;1.234,5\n"),
              "输入第 2 行第 2 个字段“1.234,5”同时含有“,”和“.”：无法确定小数分隔符，请检查文件或用 "
              "--decimal-separator 指定");
    EXPECT_EQ(Refusal("1.2.3\n"), "输入第 1 行第 1 个字段“1.2.3”含有多个小数分隔符：无法确定小数分隔符，请检查文件或用 "
                                  "--decimal-separator 指定");
    // Texts are no numbers: they stay as written.
    EXPECT_EQ(Read("Lot 1.2, A;1\n")[0][0], "Lot 1.2, A");
}

TEST(GridReader, AnEndlessLineFailsAtItsLimitInsteadOfFillingTheMemory)
{
    TEndlessLine endless;
    std::istream in(&endless);
    try {
        ReadGrid(in, std::nullopt, ".");
        FAIL() << "read";
    } catch (const TInputError& error) {
        EXPECT_STREQ(error.what(), "输入第 1 行超过 16 MiB");
    }
}
