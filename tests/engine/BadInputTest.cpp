// Bad input for the chart component: extreme and degenerate axis ends, empty
// and single-point series, null points and tiny charts must paint without an
// error and without hanging, and never draw more than 10,000 labels.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "EngineTestSupport.h"

namespace {

// Every kind once, all on one chart, with the given points.
struct TEveryKind {
    TChart Chart;
    TFastLineSeries& Fast = Chart.CreateSeries<TFastLineSeries>("fast");
    TLineSeries& Line = Chart.CreateSeries<TLineSeries>("line");
    TPointSeries& Points = Chart.CreateSeries<TPointSeries>("points");
    TBarSeries& Bars = Chart.CreateSeries<TBarSeries>("bars");

    TEveryKind()
    {
        LayOutPlain(Chart);
        for (TChartSeries* series : std::initializer_list<TChartSeries*>{&Fast, &Line, &Points, &Bars}) {
            series->SetParentChart(&Chart);
            series->Marks().SetVisible(true);
        }
    }
    void Add(double x, double y, TColor color = DefaultColorMarker)
    {
        for (TChartSeries* series : Chart.SeriesList())
            series->AddPoint(x, y, "", color);
    }
};

// Paints without an exception; the layout drawn.
TChartLayout ExpectSanePaint(TChart& chart, int width, int height)
{
    TRecordingCanvas canvas;
    TChartLayout layout;
    EXPECT_NO_THROW(layout = Paint(chart, canvas, width, height));
    for (TAxisKind kind : {akBottom, akTop, akLeft, akRight})
        EXPECT_LE(layout.Axis(kind).Division.Labels.size(), MaxLabelCount);
    EXPECT_GE(layout.PlotRect.Width(), 1);
    EXPECT_GE(layout.PlotRect.Height(), 1);
    return layout;
}

}  // namespace

TEST(BadInput, ExtremeFixedAxisEnds)
{
    TEveryKind kinds;
    kinds.Add(0, 1);
    kinds.Add(1, -1);
    TChartAxis& left = kinds.Chart.LeftAxis();
    left.SetAutomatic(false);
    left.SetMaximum(1e308);
    left.SetMinimum(-1e308);
    EXPECT_FALSE(ExpectSanePaint(kinds.Chart, 772, 190).Axis(akLeft).Division.Labels.empty());

    left.SetMinimum(1e308);  // equal ends
    EXPECT_EQ(ExpectSanePaint(kinds.Chart, 772, 190).Axis(akLeft).Division.Labels.size(), 1u);

    left.SetMinimum(0);
    left.SetMaximum(1e-300);  // tiny range
    EXPECT_EQ(ExpectSanePaint(kinds.Chart, 772, 190).Axis(akLeft).Division.Labels.size(), 1u);
}

TEST(BadInput, ExtremeDataOnAutomaticAxes)
{
    TEveryKind kinds;
    kinds.Add(-1e308, -1e308);
    kinds.Add(1e308, 1e308);
    kinds.Add(DBL_MAX, -DBL_MAX);
    const TChartLayout layout = ExpectSanePaint(kinds.Chart, 772, 190);
    EXPECT_TRUE(std::isfinite(layout.Axis(akLeft).Scale.WorkRange));
    EXPECT_TRUE(std::isfinite(layout.Axis(akBottom).Scale.WorkMaximum));

    TEveryKind tiny;
    tiny.Add(0, 0);
    tiny.Add(1e-300, 1e-300);
    ExpectSanePaint(tiny.Chart, 772, 190);
}

TEST(BadInput, NoPointsOrOnePoint)
{
    TEveryKind empty;
    ExpectSanePaint(empty.Chart, 772, 190);
    TEveryKind single;
    single.Add(3, 4);
    const TChartLayout layout = ExpectSanePaint(single.Chart, 772, 190);
    EXPECT_EQ(layout.Of(single.Line).FirstVisible, 0);
    EXPECT_EQ(layout.Of(single.Line).LastVisible, 0);
}

TEST(BadInput, AllPointsNullDrawNoValuesAndNoMarks)
{
    TEveryKind kinds;
    for (int i = 0; i < 5; ++i)
        kinds.Add(i, i, NullColor);
    kinds.Fast.SetIgnoreNulls(false);
    TRecordingCanvas canvas;
    TChartLayout layout;
    ASSERT_NO_THROW(layout = Paint(kinds.Chart, canvas, 772, 190));
    for (const TCanvasOp& op : canvas.Ops())
        if (op.Clip && op.Kind != opClip)
            ADD_FAILURE() << "drew operation " << op.Kind << " for a null point";
    for (const TSeriesLayout& series : layout.Series)
        EXPECT_TRUE(series.Marks.empty()) << series.Series->Name();
}

TEST(BadInput, TinyCharts)
{
    for (auto [width, height] : {std::pair{1, 1}, {0, 0}, {2, 300}, {300, 2}, {-5, -5}}) {
        TEveryKind kinds;
        kinds.Chart.Title().SetVisible(true);
        kinds.Chart.Title().SetText({"title"});
        kinds.Add(0, 1);
        kinds.Add(1, 2);
        ExpectSanePaint(kinds.Chart, width, height);
    }
}

TEST(BadInput, LabelCutOffOnAChart)
{
    TChart chart;
    LayOutPlain(chart);
    auto& line = chart.CreateSeries<TFastLineSeries>();
    line.SetParentChart(&chart);
    line.AddPoint(0, 0);
    line.AddPoint(1, 1);
    TChartAxis& left = chart.LeftAxis();
    left.SetLabelsSeparation(0);  // the desired step is taken as it is
    left.SetIncrement(1e-9);
    const TAxisDivision division = ExpectSanePaint(chart, 772, 190).Axis(akLeft).Division;
    EXPECT_TRUE(division.Labels.empty());
    EXPECT_TRUE(division.Ticks.empty());
}
