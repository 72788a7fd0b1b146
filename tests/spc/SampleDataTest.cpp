// The sample data of "单元格赋值" with the window's default texts: every text
// the command writes, as worked through by hand for the 25 readings.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "ComputeTestSupport.h"
#include "app/core/NumberText.h"
#include "spc/NumericFunctions.h"

namespace {

class SampleData : public testing::Test {
protected:
    void SetUp() override
    {
        window.LoadSampleData();
        RunComputeCommand(window, nullptr);
    }
    const TCPKValue& Record() const { return CurrentCpk()->Value; }
    TFakeWindow window;
};

void ExpectTexts(const TFakeWindow& window, const std::vector<std::pair<const char*, const char*>>& texts)
{
    for (const auto& [name, text] : texts)
        EXPECT_EQ(window.Text(name), text) << name;
}

} // namespace

TEST_F(SampleData, DescriptiveStatistics)
{
    ExpectTexts(window, {{"Edit33", "5"}, {"Edit1", "25"}, {"Edit3", "26.4011993408203"},
                         {"Edit4", "30.7700004577637"}, {"Edit5", "23.4099998474121"},
                         {"Edit12", "1.81692808516646"}, {"Edit11", "1.9679309129715"},
                         {"Edit9", "32.3049926757813"}, {"Edit10", "20.4974060058594"}});
    EXPECT_EQ(Record().AboveUSLCount, 4);
    EXPECT_EQ(Record().BelowLSLCount, 0);
    // The edit fields Edit2 and Edit31's neighbours are not touched.
    EXPECT_EQ(window.Text("Edit2"), "5");
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

TEST_F(SampleData, OverallAndWithinCapability)
{
    ExpectTexts(window, {{"Edit16", "0.458649605512619"}, {"Edit18", "0.623983502388"},
                         {"Edit20", "0.293315708637238"}, {"Edit14", "0.293315708637238"},
                         {"Edit21", "0.360479742288589"}, {"Edit22", "30606.6875"},
                         {"Edit23", "189443.953125"}, {"Edit26", "220050.640625"},
                         {"Edit24", "0"}, {"Edit25", "160000"}, {"Edit27", "160000"},
                         {"Label27", "高于规格28数量=4百分比 16%"},
                         {"Label29", "低于规格23数量=0百分比 0%"},
                         {"Label30", "不合格数量=4百分比 16%"},
                         {"Edit15", "0.423456609249115"}, {"Edit17", "0.57610410451889"},
                         {"Edit19", "0.270809084177017"}, {"Edit13", "0.270809084177017"},
                         {"Edit28", "41966.08203125"}, {"Edit29", "208273.171875"},
                         {"Edit30", "250239.25"}});
}

TEST_F(SampleData, HistogramClassesAndFrequencies)
{
    EXPECT_EQ(window.Text("Edit31"), "6");
    EXPECT_EQ(window.Memo("Memo1"),
              (std::vector<std::string>{"组距=:1.227000", "组界限=:22.995", "组界限=:24.222",
                                        "组界限=:25.449", "组界限=:26.676", "组界限=:27.903",
                                        "组界限=:29.130", "组界限=:30.357", "组界限=:31.584",
                                        "组界限=:32.811", "组界限=:34.038", "组界限=:35.265",
                                        "组界限=:36.492"}));
    std::vector<std::string> frequencies;
    for (const char* count : {"0", "3", "3", "12", "3", "1", "2", "1", "0", "0", "0", "0"})
        frequencies.push_back(std::string("频率=:") + count);
    EXPECT_EQ(window.Memo("Memo2"), frequencies);
    EXPECT_EQ(Record().MaxFrequency, 12);
}

TEST_F(SampleData, CurvesAreTheNormalDensityAtTheUpperClassLimits)
{
    // Reference: the density in Double at each limit, with the shown mean and sigmas.
    const auto reference = [&](const char* memo, const char* caption, double sigma) {
        ASSERT_EQ(window.Memo(memo).size(), 12u) << memo;
        const double mean = Record().Mean;
        for (int i = 0; i < 12; ++i) {
            const double x = Record().ClassLimits[i + 1];
            const double density = std::exp(-(x - mean) * (x - mean) / (2 * sigma * sigma)) /
                                   (sigma * std::sqrt(2 * M_PI));
            char text[64];
            std::snprintf(text, sizeof text, "%s%.6f", caption, density);
            EXPECT_EQ(window.Memo(memo)[i], text) << memo << " line " << i;
        }
    };
    reference("Memo3", "整体分布=:", double(float(Record().StdDevAll)));
    reference("Memo4", "组内分布=:", double(Record().SigmaWithin));
    EXPECT_EQ(Record().MaxCurve, std::max(MaxOfSingles(Record().OverallCurve), MaxOfSingles(Record().WithinCurve)));
    EXPECT_TRUE(CurrentCpk()->HistogramComplete);
}

TEST_F(SampleData, XbarAndRMemos)
{
    EXPECT_EQ(window.Memo("Memo6"),
              (std::vector<std::string>{"子组1和=:131.850", "子组2和=:131.920", "子组3和=:131.850",
                                        "子组4和=:134.280", "子组5和=:130.130"}));
    EXPECT_EQ(window.Memo("Memo7"),
              (std::vector<std::string>{"子组1均值=:26.370", "子组2均值=:26.384", "子组3均值=:26.370",
                                        "子组4均值=:26.856", "子组5均值=:26.026"}));
    EXPECT_EQ(window.Memo("Memo8"),
              (std::vector<std::string>{"子组1极差=:4.050", "子组2极差=:7.120", "子组3极差=:6.000",
                                        "子组4极差=:5.530", "子组5极差=:1.730"}));
    EXPECT_EQ(window.Memo("Memo5"),
              (std::vector<std::string>{"极差和=:24.430", "极差均值=:4.886", "子组均值的均值=:26.401",
                                        "均值控制上限=:29.220", "均值控制下限=:23.582",
                                        "极差控制上限=:10.329", "极差控制下限=:0.000",
                                        "平均极差估计稳定的过程标准差Sigma=:2.101",
                                        "稳定的过程能力指数CP=:0.397", "K=:0.360", "XR图的CPK=:0.254"}));
}

TEST_F(SampleData, WritesEveryControlInStageOrder)
{
    EXPECT_EQ(window.WrittenControls(), FullWriteOrder());
    // Each memo is cleared once, then filled.
    EXPECT_EQ(std::count(window.Written.begin(), window.Written.end(), "Memo1"), 14);
    EXPECT_EQ(std::count(window.Written.begin(), window.Written.end(), "Memo5"), 12);
}
