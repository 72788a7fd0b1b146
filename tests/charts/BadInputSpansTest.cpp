// Spans far below one unit and values far from it reach the chart axes now
// that the margins follow the span: every chart must take them and paint in
// bounded time with its label rules, no error escaping and never 10,000
// labels or more.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "RecordingCanvas.h"
#include "WindowCharts.h"

namespace {

// A record as the compute command leaves it, with every value the charts
// read spread over [low, low + span] in Single.
TCPKValue SpanRecord(float low, float span)
{
    TCPKValue v;
    const float high = low + span;
    for (int i = 0; i < 25; ++i)
        v.Values.push_back(low + span * static_cast<float>(i % 7) / 6);
    v.Count = 25;
    v.USL = v.ChartMax = v.DataMax = v.XbarUCL = v.Plus3Sigma = high;
    v.LSL = v.ChartMin = v.DataMin = v.XbarLCL = v.Minus3Sigma = low;
    v.Target = v.Mean = low + span / 2;
    for (int j = 0; j < 5; ++j) {
        v.SubgroupMeans.push_back(static_cast<float>(v.Values[static_cast<std::size_t>(j)]));
        v.SubgroupRanges.push_back(span * static_cast<float>(j) / 4);
    }
    v.RBar = span / 2;
    v.RangeUCL = span;
    v.RangeLCL = 0;
    v.ClassWidth = std::max(span / 6, 0.001f);
    for (int i = 1; i <= 12; ++i) {
        v.ClassLimits[i] = low + v.ClassWidth * static_cast<float>(i - 1);
        v.Frequencies[static_cast<std::size_t>(i - 1)] = i % 5;
        v.OverallCurve[static_cast<std::size_t>(i - 1)] = v.WithinCurve[static_cast<std::size_t>(i - 1)] = 0.5f;
    }
    v.MaxFrequency = 4;
    v.MaxCurve = 0.5f;
    return v;
}

void ExpectSanePaint(TChart& chart, int width, int height)
{
    TRecordingCanvas canvas;
    TChartLayout layout;
    ASSERT_NO_THROW(layout = chart.LayOut(canvas, width, height));
    ASSERT_NO_THROW(chart.Draw(canvas, layout));
    for (const TAxisLayout& axis : layout.Axes) {
        EXPECT_LE(axis.Division.Labels.size(), MaxLabelCount);
        EXPECT_TRUE(std::isfinite(axis.Scale.WorkMinimum) && std::isfinite(axis.Scale.WorkMaximum));
    }
    EXPECT_LE(chart.LeftAxis().Minimum(), chart.LeftAxis().Maximum());
}

struct TSpan {
    const char* What;
    float Low, Span;
};

}  // namespace

TEST(BadInputSpans, EveryChartPaintsThem)
{
    const float singleUlpAt1e7 = std::nextafter(1e7f, 2e7f) - 1e7f;
    const TSpan spans[] = {
        {"magnitude 1e-30, span 1e-30", 1e-30f, 1e-30f},
        {"subnormal span at 0", 0, std::numeric_limits<float>::denorm_min()},
        {"subnormal span at 1e-44", 1e-44f, 3 * std::numeric_limits<float>::denorm_min()},
        {"one Single ulp at 1e7", 1e7f, singleUlpAt1e7},
        {"values of 1e30, no span", 1e30f, 0},
        {"values of 1e30, span 1e30", 1e30f, 1e30f},
        {"largest Singles", -FLT_MAX / 2, FLT_MAX},
    };
    for (const TSpan& span : spans) {
        SCOPED_TRACE(span.What);
        TWindowCharts charts;
        const TCPKValue v = SpanRecord(span.Low, span.Span);
        EXPECT_NO_THROW(charts.Displays.FillIndividualsChart(v));
        EXPECT_NO_THROW(charts.Displays.FillControlCharts(v));
        // Class limits beyond three decimals' reach stop the histogram stage
        // before it draws; here they stop the drawing with the same error.
        try {
            charts.Displays.DrawDistributionChart(v);
        } catch (const EInvalidOp&) {
            EXPECT_GT(std::fabs(v.ClassLimits[1]), 9.2e15f);
        }
        ExpectSanePaint(charts.Chart1, 772, 190);
        ExpectSanePaint(charts.Chart2, 555, 250);
        ExpectSanePaint(charts.Chart3, 772, 190);
        ExpectSanePaint(charts.Cht1, 772, 486);
    }
}

TEST(BadInputSpans, AQuarterOfASubnormalSpanStaysAMargin)
{
    TWindowCharts charts;
    const float tiny = std::numeric_limits<float>::denorm_min();
    charts.Displays.FillIndividualsChart(SpanRecord(0, 4 * tiny));
    // Extended holds a quarter of the span exactly; a double does as well.
    EXPECT_EQ(charts.Chart2.LeftAxis().Maximum(), 5.0 * tiny);
    EXPECT_EQ(charts.Chart2.LeftAxis().Minimum(), -1.0 * tiny);
}
