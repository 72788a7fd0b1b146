// The readers on files written here: each format's cells in their places,
// numbers as their shortest texts, the import's guesses, the bound, and bad
// files refused with a message naming them.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
#include <iterator>

#include "DataFile.h"
#include "FileError.h"
#include "ImportChoice.h"
#include "WorkbookFixtures.h"
#include "XlsxDates.h"

namespace {

class DataFileTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const
    {
        return dir_.filePath(QString::fromStdString(name)).toStdString();
    }
    static TDataFile Read(const std::string& path, const std::string& decimal = ".", std::size_t sheet = 0)
    {
        TDataFileRequest request;
        request.Path = path;
        request.Decimal = decimal;
        request.Sheet = sheet;
        return ReadDataFile(request);
    }
    static std::string ErrorOf(const std::string& path)
    {
        try {
            Read(path);
        } catch (const TFileError& error) {
            return error.what();
        }
        return "no error";
    }

    QTemporaryDir dir_;
};

using TRows = std::vector<std::vector<std::string>>;

const TSheetRows MeasureSheet = {
    {"序号", "日期", "X1", "X2"},
    {"1", "2026-03-01", "26.390000000000001", "=A1*2|27.41"},
    {"2", "2026-03-02", "", "23.65"},
    {"3", "2026-03-03", "1e-7", "-0.5"},
};

TEST_F(DataFileTest, WorkbooksKeepCellsInPlaceWithShortestNumbers)
{
    WriteXlsx(Path("m.xlsx"), {{"说明", {{"只有说明"}}}, {"测量", MeasureSheet}});
    WriteOds(Path("m.ods"), {{"说明", {{"只有说明"}}}, {"测量", MeasureSheet}});
    for (const std::string name : {"m.xlsx", "m.ods"}) {
        SCOPED_TRACE(name);
        const TDataFile file = Read(Path(name), ",", 1);
        EXPECT_EQ(file.SheetNames, (std::vector<std::string>{"说明", "测量"}));
        EXPECT_EQ(file.Sheet, 1u);
        ASSERT_EQ(file.Table.Rows().size(), 4u);
        EXPECT_EQ(file.Table.Rows()[1], (std::vector<std::string>{"1", "2026-03-01", "26,39", "27,41"}));
        EXPECT_EQ(file.Table.Rows()[2], (std::vector<std::string>{"2", "2026-03-02", "", "23,65"}));
        EXPECT_EQ(file.Table.Rows()[3][2], "1e-07");
        EXPECT_FALSE(file.Table.Truncated());
        // The header row is skipped, the running number and the dates left out.
        const TImportChoice choice = GuessImport(file.Table, ",");
        EXPECT_EQ(choice.HeaderRows, 1u);
        EXPECT_EQ(choice.Columns, (std::vector<std::size_t>{2, 3}));
        EXPECT_EQ(ChosenCells(file.Table, choice, ",", ","),
                  (TRows{{"26,39", "27,41"}, {"", "23,65"}, {"1e-07", "-0,5"}}));
    }
}

TEST_F(DataFileTest, LibreOfficeWorkbooksOfEveryFormatReadAlike)
{
    for (const std::string name : {"measure.xls", "measure.xlsx", "measure.ods"}) {
        SCOPED_TRACE(name);
        const TDataFile file = Read(std::string(TEST_DATA_DIR "/files/") + name);
        ASSERT_EQ(file.Table.Rows().size(), 4u);
        EXPECT_EQ(file.Table.Rows()[0], (std::vector<std::string>{"序号", "X1", "X2", "备注"}));
        EXPECT_EQ(file.Table.Rows()[1], (std::vector<std::string>{"1", "26.39", "27.41", "好"}));
        EXPECT_EQ(file.Table.Rows()[2], (std::vector<std::string>{"2", "", "23.65"}));
        EXPECT_EQ(file.Table.Rows()[3], (std::vector<std::string>{"3", "0.1", "-0.5", "缺测"}));
        const TImportChoice choice = GuessImport(file.Table, ".");
        EXPECT_EQ(choice.HeaderRows, 1u);
        EXPECT_EQ(choice.Columns, (std::vector<std::size_t>{1, 2}));
    }
}

// Calc writes an XLSX date as a day count shown through a date style; read as
// a number it would pass for a reading column.
TEST_F(DataFileTest, DateColumnsOfEveryFormatAreLeftOut)
{
    for (const std::string name : {"dates.xls", "dates.xlsx", "dates.ods"}) {
        SCOPED_TRACE(name);
        const TDataFile file = Read(std::string(TEST_DATA_DIR "/files/") + name);
        ASSERT_EQ(file.Table.Rows().size(), 4u);
        EXPECT_EQ(file.Table.Rows()[1][1], "2026-03-01");
        EXPECT_EQ(GuessImport(file.Table, ".").Columns, (std::vector<std::size_t>{2, 3}));
    }
    EXPECT_EQ(Read(std::string(TEST_DATA_DIR "/files/dates.xlsx")).Table.Rows()[3][1], "2026-03-03 06:30:00");
    // Day 60 is the 29 February 1900 that spreadsheets count; the 1904 system starts four years later.
    EXPECT_EQ(SerialDateText(59, false), "1900-02-28");
    EXPECT_EQ(SerialDateText(61, false), "1900-03-01");
    EXPECT_EQ(SerialDateText(0, true), "1904-01-01");
    EXPECT_EQ(SerialDateText(0.25, false), "06:00:00");
}

TEST_F(DataFileTest, TextFilesInEveryEncodingFollowTheBatchSeparatorRules)
{
    // "直径;批次\n25,32;A\n26,16;B\n" in GB18030, UTF-8 with a mark and UTF-16 with one.
    const std::string gb = "\xD6\xB1\xBE\xB6;\xC5\xFA\xB4\xCE\n25,32;A\n26,16;B\n";
    const std::string utf8 = "\xE7\x9B\xB4\xE5\xBE\x84;\xE6\x89\xB9\xE6\xAC\xA1\n25,32;A\n26,16;B\n";
    std::string utf16 = "\xFF\xFE";
    for (const char16_t unit : QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).toStdU16String()) {
        utf16 += char(unit & 0xFF);
        utf16 += char(unit >> 8);
    }
    WriteBytes(Path("gb.csv"), gb);
    WriteBytes(Path("bom.csv"), "\xEF\xBB\xBF" + utf8);
    WriteBytes(Path("u16.txt"), utf16);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"gb.csv", "GB18030"}, {"bom.csv", "UTF-8"}, {"u16.txt", "UTF-16LE"}};
    for (const auto& [name, encoding] : cases) {
        SCOPED_TRACE(name);
        const TDataFile file = Read(Path(name));
        EXPECT_EQ(file.Encoding, encoding);
        EXPECT_EQ(file.FieldSeparator, ';');
        EXPECT_EQ(file.FileDecimal, ",");
        EXPECT_EQ(file.Table.Rows()[0][0], "直径");
        const TImportChoice choice = GuessImport(file.Table, file.FileDecimal);
        EXPECT_EQ(choice.HeaderRows, 1u);
        EXPECT_EQ(ChosenCells(file.Table, choice, file.FileDecimal, "."), (TRows{{"25.32"}, {"26.16"}}));
    }
    // The field separator chosen in the import box instead of the file's first lines.
    TDataFileRequest oneColumn;
    oneColumn.Path = Path("bom.csv");
    oneColumn.FieldOption = '\0';
    EXPECT_EQ(ReadDataFile(oneColumn).Table.Rows()[1], (std::vector<std::string>{"25,32;A"}));
}

TEST_F(DataFileTest, ReadingStopsAtTheBoundWithoutReadingTheRest)
{
    // 1,000 rows of 200 columns: the bound of 100,000 cells falls at row 500.
    TSheetRows rows(1000, std::vector<std::string>(200, "1.5"));
    WriteXlsx(Path("big.xlsx"), {{"S", rows}});
    const TDataFile sheet = Read(Path("big.xlsx"));
    EXPECT_TRUE(sheet.Table.Truncated());
    EXPECT_EQ(sheet.Table.Rows().size(), 500u);
    std::string line;
    for (int col = 0; col < 200; ++col)
        line += "1.5;";
    std::string text;
    for (int row = 0; row < 1000; ++row)
        text += line + "\n";
    WriteBytes(Path("big.csv"), text);
    const TDataFile csv = Read(Path("big.csv"));
    EXPECT_TRUE(csv.Table.Truncated());
    EXPECT_LE(csv.Table.Rows().size() * csv.Table.ColCount(), 100000u);
    // A repeated row of the sheet's last million rows is counted, never materialised.
    WriteOds(Path("long.ods"), {{"S", {{"1", "2"}}}});
    EXPECT_EQ(Read(Path("long.ods")).Table.Rows().size(), 1u);
}

TEST_F(DataFileTest, BadFilesAreRefusedNamingTheFile)
{
    WriteBytes(Path("binary.csv"), std::string("\x7F"
                                               "ELF\x02\x01\x01\0\0\0",
                                               10));
    EXPECT_NE(ErrorOf(Path("binary.csv")).find("binary.csv"), std::string::npos);
    EXPECT_NE(ErrorOf(Path("missing.xlsx")).find("missing.xlsx"), std::string::npos);

    WriteZip(Path("broken.xlsx"), {{"xl/workbook.xml", "<workbook><sheets><sheet name=\"a\" r:id=\"x\"/>"}});
    const std::string broken = ErrorOf(Path("broken.xlsx"));
    EXPECT_NE(broken.find("broken.xlsx"), std::string::npos) << broken;

    WriteZip(Path("other.zip.xlsx"), {{"readme.txt", "hello"}});
    EXPECT_NE(ErrorOf(Path("other.zip.xlsx")).find("不是 XLSX 或 ODS"), std::string::npos);

    // 300 MiB of blanks inside content.xml, 300 KiB zipped: refused at the cap.
    const std::string bomb = ErrorOf(TEST_DATA_DIR "/files/bomb.ods");
    EXPECT_NE(bomb.find("bomb.ods"), std::string::npos);
    EXPECT_NE(bomb.find("压缩炸弹"), std::string::npos);

    // A truncated workbook (the end of the zip cut off).
    WriteXlsx(Path("whole.xlsx"), {{"S", {{"1"}}}});
    std::ifstream whole(Path("whole.xlsx"), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(whole)), {});
    WriteBytes(Path("cut.xlsx"), bytes.substr(0, bytes.size() / 2));
    EXPECT_NE(ErrorOf(Path("cut.xlsx")).find("cut.xlsx"), std::string::npos);
}

}  // namespace
