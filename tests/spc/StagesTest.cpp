// The stages one by one: where the chart steps come in the order, what a
// partial last subgroup counts in, the measured and expected nonconformance
// figures, and the control limits beyond the default subgroup size.
#include "ComputeTestSupport.h"
#include "NumberText.h"

namespace {

// Records, at each chart step, what the window and record showed then.
class TRecordingCharts : public TComputeCharts {
public:
    explicit TRecordingCharts(const TMemoryWindow& window) : window(window) {}
    void FillIndividualsChart(const TCPKValue& v) override
    {
        steps.push_back("Chart2");
        chartMax = v.ChartMax;
        chartMin = v.ChartMin;
        lastWrittenBefore.push_back(window.Written.back());
    }
    void DrawDistributionChart(const TCPKValue&) override
    {
        steps.push_back("cht1");
        histogramCompleteAtDraw = CurrentCpk()->HistogramComplete;
        lastWrittenBefore.push_back(window.Written.back());
    }
    void FillControlCharts(const TCPKValue&) override
    {
        steps.push_back("Chart1+Chart3");
        lastWrittenBefore.push_back(window.Written.back());
    }
    const TMemoryWindow& window;
    std::vector<std::string> steps, lastWrittenBefore;
    float chartMax = 0, chartMin = 0;
    bool histogramCompleteAtDraw = false;
};

}  // namespace

TEST(ComputeStages, ChartStepsComeAtTheirPlaceInTheOrder)
{
    TMemoryWindow window;
    window.LoadSampleData();
    TRecordingCharts charts(window);
    RunComputeCommand(window, &charts);
    EXPECT_EQ(charts.steps, (std::vector<std::string>{"Chart2", "cht1", "Chart1+Chart3"}));
    // Chart2 after the summary labels, before the class count; cht1 after the
    // within curve; the control charts after the last key value.
    EXPECT_EQ(charts.lastWrittenBefore, (std::vector<std::string>{"Label30", "Memo4", "Memo5"}));
    EXPECT_EQ(charts.chartMax, 30.77f);
    EXPECT_EQ(charts.chartMin, 23.0f);
    EXPECT_TRUE(charts.histogramCompleteAtDraw);
}

TEST(ComputeStages, ChartRangeTakesTheWiderOfDataAndLimits)
{
    TMemoryWindow window;
    window.LoadSampleData();
    window.Type(Field::Usl, "35");
    window.Type(Field::Lsl, "24");
    RunComputeCommand(window, nullptr);
    EXPECT_EQ(CurrentCpk()->Value.ChartMax, 35.0f);
    EXPECT_EQ(CurrentCpk()->Value.ChartMin, 23.41f);
}

TEST(ComputeStages, ReadingsAfterTheLastWholeSubgroupCountOnlyOverall)
{
    TMemoryWindow window;
    window.LoadSampleData();
    window.SetCell(0, 5, "40");
    window.SetCell(1, 5, "10");
    RunComputeCommand(window, nullptr);
    const TCPKValue& v = CurrentCpk()->Value;
    EXPECT_EQ(window.Text(Field::Count), "27");
    EXPECT_EQ(window.Text(Field::SubgroupCount), "5");
    EXPECT_EQ(window.Text(Field::Max), "40");
    EXPECT_EQ(window.Text(Field::Min), "10");
    EXPECT_EQ(v.AboveUSLCount, 5);
    EXPECT_EQ(v.BelowLSLCount, 1);
    EXPECT_EQ(window.Memo(Field::SubgroupSums).size(), 5u);
    int classified = 0;
    for (const int32_t frequency : v.Frequencies)
        classified += frequency;
    EXPECT_LE(classified, 25);
    // The X-bar centre is the mean of all 27 readings.
    EXPECT_EQ(window.Memo(Field::KeyValues)[2], "子组均值的均值=:" + PatternNumberText("0.000", v.Mean));
    EXPECT_NE(window.Memo(Field::KeyValues)[2], "子组均值的均值=:26.401");
}

TEST(ComputeStages, MeasuredNonconformanceOfOneInThirty)
{
    std::vector<std::string> readings(30, "25");
    for (size_t i = 0; i < readings.size(); ++i)
        readings[i] = "25." + std::to_string(i % 10);
    readings[17] = "28.5";
    TMemoryWindow window;
    window.LoadReadings(readings);
    RunComputeCommand(window, nullptr);
    EXPECT_EQ(window.Text(Field::PpmBelowMeasured), "0");
    EXPECT_EQ(window.Text(Field::PpmAboveMeasured), "33333.3333333333");
    EXPECT_EQ(window.Text(Field::PpmTotalMeasured), "33333.3333333333");
    EXPECT_EQ(window.Text(Field::AboveUslSummary), "高于规格28数量=1百分比 3.33333333333333%");
    EXPECT_EQ(window.Text(Field::BelowLslSummary), "低于规格23数量=0百分比 0%");
}

TEST(ComputeStages, MeanOnTheLowerLimitExpectsHalfBelowIt)
{
    TMemoryWindow window;
    window.Type(Field::SubgroupSize, "2");
    window.LoadReadings({"22", "24"});
    RunComputeCommand(window, nullptr);
    EXPECT_EQ(window.Text(Field::Mean), "23");
    EXPECT_EQ(window.Text(Field::PpmBelowOverall), "500000");
    EXPECT_EQ(window.Text(Field::PpmBelowWithin), "500000");
    EXPECT_EQ(window.Text(Field::CplOverall), "0");
    // Mean below the centre: CA negative.
    EXPECT_EQ(window.Text(Field::Ca), "-1");
}

TEST(ComputeStages, RangeLowerLimitFromSevenOn)
{
    std::vector<std::string> readings;
    for (int i = 0; i < 42; ++i)
        readings.push_back(std::to_string(23 + (i * 3) % 5) + "." + std::to_string((i * 7) % 10));
    TMemoryWindow window;
    window.LoadReadings(readings);
    window.Type(Field::SubgroupSize, "7");
    RunComputeCommand(window, nullptr);
    const TCPKValue& v = CurrentCpk()->Value;
    EXPECT_EQ(window.Text(Field::SubgroupCount), "6");
    EXPECT_GT(v.RangeLCL, 0.0f);
    EXPECT_EQ(v.RangeLCL, ToSingle(Extended(0.076f) * Extended(v.RBar)));
    EXPECT_EQ(v.RangeUCL, ToSingle(Extended(1.924f) * Extended(v.RBar)));
    EXPECT_EQ(v.SigmaR, ToSingle(Extended(v.RBar) / Extended(2.704f)));
    EXPECT_EQ(window.Memo(Field::SubgroupSums).size(), 6u);
}

TEST(ComputeStages, WithinSigmaUsesTheBiasFactorOfTheSubgroupSize)
{
    TMemoryWindow window;
    window.LoadSampleData();
    window.Type(Field::SubgroupSize, "3");
    RunComputeCommand(window, nullptr);
    const TCPKValue& v = CurrentCpk()->Value;
    EXPECT_EQ(v.SubgroupCount, 8);
    EXPECT_EQ(v.SigmaWithin, ToSingle(Extended(v.SBar) / Extended(0.8862f)));
    EXPECT_EQ(v.Plus3Sigma, ToSingle(3.0L * v.SigmaWithin + Extended(v.Mean)));
    // Subgroups are consecutive readings regardless of rows: the third holds
    // readings 7 to 9, the second to fourth cells of row 1.
    EXPECT_EQ(v.Subgroups[2].Data, (std::vector<double>{23.65, 26.86, 30.77}));
    EXPECT_EQ(window.Memo(Field::SubgroupRanges)[2], "子组3极差=:7.120");
}

TEST(ComputeStages, AReadingOnAClassLimitCountsInTheClassAboveOnly)
{
    // 24.222 is the second class limit of the sample data; the extremes and so
    // the limits stay as they are.
    TMemoryWindow window;
    window.LoadSampleData();
    window.SetCell(0, 0, "24.222");
    RunComputeCommand(window, nullptr);
    const TCPKValue& v = CurrentCpk()->Value;
    ASSERT_EQ(window.Memo(Field::ClassValues)[2], "组界限=:24.222");
    EXPECT_EQ(v.Frequencies[1], 3);  // [22.995, 24.222)
    EXPECT_EQ(v.Frequencies[2], 4);  // [24.222, 25.449): the sample's 3 and the new reading
    EXPECT_EQ(v.Frequencies[3], 11);
    int classified = 0;
    for (const int32_t frequency : v.Frequencies)
        classified += frequency;
    EXPECT_EQ(classified, 25);
}
