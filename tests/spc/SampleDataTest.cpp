// The sample data of "单元格赋值" with the window's default texts: every text
// the command writes against the golden file, and the record behind them.
#include <gtest/gtest.h>

#include "ComputeTestSupport.h"
#include "GoldenTexts.h"
#include "NumberText.h"
#include "NumericFunctions.h"

namespace {

class SampleData : public testing::Test {
protected:
    void SetUp() override
    {
        window.LoadSampleData();
        RunComputeCommand(window, nullptr);
    }
    const TCPKValue& Record() const { return CurrentCpk()->Value; }
    TMemoryWindow window;
};

}  // namespace

TEST_F(SampleData, EveryResultShowsItsGoldenText)
{
    const auto& golden = SampleDataResults();
    size_t compared = 0;
    for (const TWindowField* field : WindowFields()) {
        if (field->Role == TFieldRole::Memo)
            EXPECT_EQ(window.Memo(*field), golden.at(std::string(field->Key))) << field->Key;
        else if (field->Role == TFieldRole::Result)
            EXPECT_EQ(window.Text(*field), SampleDataResult(std::string(field->Key))) << field->Key;
        else
            continue;
        ++compared;
    }
    EXPECT_EQ(compared, golden.size());
    // The display-only field is not touched.
    EXPECT_EQ(window.Text(Field::SubgroupSizeShown), "5");
}

TEST_F(SampleData, RecordBehindTheTexts)
{
    EXPECT_EQ(Record().AboveUSLCount, 4);
    EXPECT_EQ(Record().BelowLSLCount, 0);
    EXPECT_EQ(Record().MaxFrequency, 12);
    EXPECT_EQ(Record().MaxCurve, std::max(MaxOfSingles(Record().OverallCurve), MaxOfSingles(Record().WithinCurve)));
    EXPECT_TRUE(CurrentCpk()->HistogramComplete);
}

TEST_F(SampleData, StoredWidthsShowTheirRounding)
{
    // Sum is a Single after every addition, not the exact 660.03.
    EXPECT_EQ(GeneralNumberText(Record().Sum), "660.029968261719");
    EXPECT_NE(Record().Sum, 660.03f);
    EXPECT_EQ(GeneralNumberText(Record().SBar), "1.84985506534576");
    EXPECT_EQ(Record().Values[0], 26.39);  // Values keep Double width
    EXPECT_EQ(Record().ChartMax, 30.77f);
    EXPECT_EQ(Record().ChartMin, 23.0f);
}

TEST_F(SampleData, WritesEveryControlInStageOrder)
{
    EXPECT_EQ(window.WrittenControls(), WrittenThrough(FullWriteOrder().back()));
    // Each memo is cleared once, then filled.
    EXPECT_EQ(std::count(window.Written.begin(), window.Written.end(), "Memo1"), 14);
    EXPECT_EQ(std::count(window.Written.begin(), window.Written.end(), "Memo5"), 12);
}
