// Behaviour where the command deliberately differs from a literal reading of
// its formulas: signed capability, labels naming the typed limits, data away
// from the first cell, subgroup sizes outside the tables, identical readings,
// readings written like a limit, and a histogram that covers all the data.
#include "ComputeTestSupport.h"
#include "SampleData.h"

namespace {

TMemoryWindow WindowWithReadings(const std::vector<std::string>& readings)
{
    TMemoryWindow window;
    window.LoadReadings(readings);
    return window;
}

const std::vector<std::string> AboveTheUpperLimit = {"29.1", "30.2", "29.8", "30.6", "29.4",
                                                     "30.1", "29.9", "30.4", "29.2", "30.0"};

}  // namespace

TEST(NegativeCapability, MeanAboveTheUpperLimitGivesNegativeCPUAndCPK)
{
    TMemoryWindow window = WindowWithReadings(AboveTheUpperLimit);
    RunComputeCommand(window, nullptr);
    const TCPKValue& v = CurrentCpk()->Value;
    // The within values are the last ones stored; the overall ones are shown.
    EXPECT_LT(v.CPU, 0.0f);
    EXPECT_EQ(v.CPK, v.CPU);
    EXPECT_GT(v.CPL, 0.0f);
    for (const TWindowField* index : {&Field::CpuOverall, &Field::CpkOverall, &Field::CpuWithin, &Field::CpkWithin})
        EXPECT_EQ(window.Text(*index).front(), '-') << index->Control;
    EXPECT_NE(window.Text(Field::CplOverall).front(), '-');
}

TEST(NegativeCapability, MeanBelowTheLowerLimitGivesNegativeCPL)
{
    TMemoryWindow window = WindowWithReadings({"21.1", "22.2", "21.8", "22.6", "21.4"});
    RunComputeCommand(window, nullptr);
    EXPECT_LT(CurrentCpk()->Value.CPL, 0.0f);
    EXPECT_EQ(window.Text(Field::CplOverall).front(), '-');
    EXPECT_EQ(window.Text(Field::CpkOverall), window.Text(Field::CplOverall));
    EXPECT_EQ(window.Text(Field::CplWithin).front(), '-');
}

TEST(LimitsNamedInLabels, LabelsShowTheLimitsAsTyped)
{
    TMemoryWindow window;
    window.LoadSampleData();
    window.Type(Field::Usl, "30.5");
    window.Type(Field::Lsl, "25.1");  // not the Single 25.1000003814697
    RunComputeCommand(window, nullptr);
    EXPECT_EQ(window.Text(Field::AboveUslSummary), "高于规格30.5数量=1百分比 4%");
    EXPECT_EQ(window.Text(Field::BelowLslSummary), "低于规格25.1数量=6百分比 24%");
    EXPECT_EQ(window.Text(Field::OutsideSummary), "不合格数量=7百分比 28%");
}

TEST(DataAwayFromFirstCell, ReadingsMayStartAnywhere)
{
    TMemoryWindow atStart;
    atStart.LoadSampleData();
    RunComputeCommand(atStart, nullptr);

    // The same readings moved down five rows, and the first cell left empty
    // with the first reading in column 3.
    TMemoryWindow movedDown;
    for (int col = 0; col < SampleColumns; ++col)
        for (int row = 0; row < SampleRows; ++row)
            movedDown.SetCell(col, row + 5, SampleText(col, row));
    RunComputeCommand(movedDown, nullptr);
    EXPECT_EQ(movedDown.Texts(), atStart.Texts());
    EXPECT_EQ(movedDown.Memos(), atStart.Memos());

    // Cell (0, 0) and its neighbours are empty; the extremes start from the
    // first reading, 31, which stays the largest.
    TMemoryWindow window = WindowWithReadings({"", "", "", "31", "24", "26", "25", "27"});
    RunComputeCommand(window, nullptr);
    EXPECT_EQ(window.Text(Field::Max), "31");
    EXPECT_EQ(window.Text(Field::Min), "24");
    EXPECT_EQ(window.Text(Field::Count), "5");
}

TEST(SubgroupSizeOutsideTables, NegativeOrAboveTwentyFiveIsRefusedWhenRead)
{
    TMemoryWindow above;
    above.LoadSampleData();
    above.Type(Field::SubgroupSize, "26");
    ExpectCommandEndsAt<ERangeError>(above, "Subgroup size 26 is outside the range 1 to 25", nullptr);

    TMemoryWindow negative;
    negative.LoadSampleData();
    negative.Type(Field::SubgroupSize, "-5");
    ExpectCommandEndsAt<ERangeError>(negative, "Subgroup size -5 is outside the range 1 to 25", nullptr);
}

TEST(SubgroupSizeOutsideTables, TwentyFiveIsTheLargestSize)
{
    TMemoryWindow window;
    std::vector<std::string> readings;
    for (int i = 0; i < 50; ++i)
        readings.push_back(std::to_string(24 + (i * 7) % 5) + "." + std::to_string(i % 10));
    window.LoadReadings(readings);
    window.Type(Field::SubgroupSize, "25");
    RunComputeCommand(window, nullptr);
    EXPECT_EQ(window.Text(Field::SubgroupCount), "2");
    EXPECT_EQ(window.Memo(Field::KeyValues).size(), 11u);
}

TEST(IdenticalReadings, ZeroSigmaIsADivisionByZeroAtCP)
{
    // Readings such as 0.1 leave a rounding residue in the one-pass formula;
    // equal readings still have no spread at all.
    for (const char* reading : {"25.5", "0.1", "26.39"}) {
        TMemoryWindow window = WindowWithReadings(std::vector<std::string>(6, reading));
        ExpectCommandEndsAt<EZeroDivide>(window, "Floating point division by zero", &Field::StdDevOverall);
        EXPECT_EQ(window.Text(Field::StdDevOverall), "0") << reading;
    }
}

TEST(LimitWrittenLikeReading, ReadingEqualToATypedLimitIsNotBeyondIt)
{
    // 25.1 as a Single lies above 25.1; 26.39 as a Single lies below 26.39.
    TMemoryWindow window = WindowWithReadings({"25.1", "26.39", "25.5", "25.09", "26.4"});
    window.Type(Field::Lsl, "25.1");
    window.Type(Field::Usl, "26.39");
    RunComputeCommand(window, nullptr);
    EXPECT_EQ(CurrentCpk()->Value.BelowLSLCount, 1);  // 25.09 only
    EXPECT_EQ(CurrentCpk()->Value.AboveUSLCount, 1);  // 26.4 only
    EXPECT_EQ(window.Text(Field::OutsideSummary), "不合格数量=2百分比 40%");
    // Every formula still uses the stored Single limits.
    EXPECT_EQ(CurrentCpk()->Value.LSL, 25.1f);
    EXPECT_EQ(CurrentCpk()->Value.USL, 26.39f);
}

TEST(HistogramCoversData, LowerLimitFarBelowTheDataStartsTheClassesAtTheData)
{
    TMemoryWindow window;
    window.LoadSampleData();
    window.Type(Field::Lsl, "0");
    RunComputeCommand(window, nullptr);
    const TCPKValue& v = CurrentCpk()->Value;
    EXPECT_EQ(v.ChartMin, 0.0f);  // the chart still spans the limit
    ASSERT_EQ(window.Memo(Field::ClassValues).size(), 13u);
    EXPECT_EQ(window.Memo(Field::ClassValues)[0], "组距=:1.227000");
    EXPECT_EQ(window.Memo(Field::ClassValues)[1], "组界限=:23.405");
    EXPECT_EQ(window.Memo(Field::ClassValues)[12], "组界限=:36.902");
    int counted = 0;
    for (const int32_t frequency : v.Frequencies)
        counted += frequency;
    EXPECT_EQ(counted, 25);
}

TEST(HistogramCoversData, ClassWidthThatRoundsToZeroIsOneThousandth)
{
    TMemoryWindow window = WindowWithReadings({"25.0001", "25.0002", "25.0001", "25.0002", "25.0001"});
    RunComputeCommand(window, nullptr);
    const TCPKValue& v = CurrentCpk()->Value;
    EXPECT_EQ(v.ClassWidth, 0.001f);
    EXPECT_EQ(window.Memo(Field::ClassValues)[0], "组距=:0.001000");
    EXPECT_EQ(window.Memo(Field::ClassValues)[1], "组界限=:24.995");
    EXPECT_EQ(window.Memo(Field::ClassValues)[12], "组界限=:25.006");
    EXPECT_EQ(v.MaxFrequency, 5);
}
