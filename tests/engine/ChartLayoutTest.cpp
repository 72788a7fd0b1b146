// Chart layout on the recording canvas: chart rectangle, title band, axis
// bands, PlotRect, automatic ranges, label steps, margins and widening, the
// axis property checks and repaint marking. Expected pixels are worked out
// by hand from the layout rules with 6-pixel characters and 13-pixel lines.
#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "Errors.h"

TEST(ChartLayout, ChartRectangleOfA772By190Chart)
{
    TChart chart;
    LayOutPlain(chart);
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 772, 190);
    // Margins 23, 7, 23, 7 plus the 1-pixel bevel.
    EXPECT_EQ(layout.ChartRect, (TRect{24, 8, 748, 182}));
}

TEST(ChartLayout, TitleBandAndCentredTitleText)
{
    TChart chart;
    LayOutPlain(chart);
    chart.Title().SetVisible(true);
    chart.Title().SetText({"均值控制图"});
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 772, 190);

    // One line, default frame: the top moves down by h + 8 = 21.
    EXPECT_EQ(layout.TitleBottom, 8 + 13 + 8);
    const std::vector<TCanvasOp> title = canvas.TextOps("均值控制图");
    ASSERT_EQ(title.size(), 1u);
    // Centre (24 + 748) div 2 = 386; box width 6 + 1 + 30 = 37 -> 368..404;
    // text at 386 - 30 div 2.
    EXPECT_EQ(layout.TitleRect, (TRect{368, 8, 404, 23}));
    EXPECT_EQ(title[0].Points[0], (TPoint{371, 9}));
    EXPECT_EQ(title[0].Font.Color, clBlue);
    EXPECT_EQ(title[0].Font.Name, "Arial");
}

TEST(ChartLayout, HiddenTitleOrEmptyTextTakesNoBand)
{
    TChart chart;
    LayOutPlain(chart);
    chart.Title().SetText({"TChart"});
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 772, 190);
    EXPECT_EQ(layout.TitleBottom, 8);
    EXPECT_TRUE(canvas.TextOps("TChart").empty());

    chart.Title().SetVisible(true);
    chart.Title().SetText({});
    layout = Paint(chart, canvas, 772, 190);
    EXPECT_EQ(layout.TitleBottom, 8);
}

TEST(ChartLayout, EmptyChartShowsFourAxisLinesNoLabelsAndTheWall)
{
    TChart chart;
    LayOutPlain(chart);
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 772, 190);

    // Bottom: label band 13 + tick band 7; top likewise; left and right: no
    // labels (no series), ticks 7.
    EXPECT_EQ(layout.PlotRect, (TRect{31, 28, 741, 162}));
    for (TAxisKind kind : {akBottom, akTop, akLeft, akRight})
        EXPECT_TRUE(layout.Axis(kind).Visible) << kind;
    EXPECT_TRUE(canvas.OpsOfKind(opTextOut).empty());

    const std::vector<TCanvasOp> rects = canvas.OpsOfKind(opRectangle);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].Rect, (TRect{31, 28, 742, 163}));
    EXPECT_TRUE(rects[0].Brush.Clear);

    int axisLines = 0;
    for (const TCanvasOp& op : canvas.OpsOfKind(opLine))
        if (op.Pen.Width == 2)
            ++axisLines;
    EXPECT_EQ(axisLines, 4);
}

TEST(ChartLayout, PaintOrderPanelTitleWallAxesSeries)
{
    TChart chart;
    LayOutPlain(chart);
    chart.Title().SetVisible(true);
    chart.Title().SetText({"T"});
    auto& line = chart.CreateSeries<TFastLineSeries>("line");
    line.SetParentChart(&chart);
    line.AddPoint(0, 1);
    line.AddPoint(1, 2);
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 400, 300);

    const std::vector<TCanvasOp>& ops = canvas.Ops();
    ASSERT_EQ(ops[0].Kind, opFillRect);
    EXPECT_EQ(ops[0].Rect, (TRect{0, 0, 400, 300}));
    EXPECT_EQ(ops[0].Color, clWhite);
    const std::size_t title = IndexOf(ops, opTextOut);
    const std::size_t wall = IndexOf(ops, opRectangle);
    const std::size_t firstAxisLine = IndexOf(ops, opLine, wall);
    const std::size_t clip = IndexOf(ops, opClip);
    EXPECT_EQ(ops[title].Text, "T");
    EXPECT_LT(title, wall);
    EXPECT_LT(wall, firstAxisLine);
    EXPECT_LT(firstAxisLine, clip);
    EXPECT_EQ(ops[clip + 1].Kind, opPolyline);  // the series, clipped to the plot
    EXPECT_EQ(ops[clip].Rect.Bottom, layout.PlotRect.Bottom + 1);
}

TEST(ChartLayout, SeriesWithoutPointsShowOneZeroLabelAtTheCentre)
{
    TChart chart;
    LayOutPlain(chart);
    chart.CreateSeries<TFastLineSeries>().SetParentChart(&chart);
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 772, 190);

    EXPECT_TRUE(layout.Axis(akBottom).Visible);
    EXPECT_TRUE(layout.Axis(akLeft).Visible);
    EXPECT_FALSE(layout.Axis(akTop).Visible);
    EXPECT_FALSE(layout.Axis(akRight).Visible);
    for (TAxisKind kind : {akBottom, akLeft}) {
        const TAxisLayout& axis = layout.Axis(kind);
        ASSERT_EQ(axis.Division.Labels.size(), 1u);
        EXPECT_EQ(axis.Division.Labels[0].Text, "0");
        EXPECT_EQ(axis.Division.Labels[0].Pos, axis.Scale.CenterPos());
    }
    // The left band is the width of "0" plus a blank.
    EXPECT_EQ(layout.PlotRect.Left, 24 + 12 + 7);
    EXPECT_EQ(chart.LeftAxis().Minimum(), 0);
    EXPECT_EQ(chart.LeftAxis().Maximum(), 0);
}

TEST(ChartLayout, AllValuesEqualGiveOneLabelAndTheCentreLine)
{
    TChart chart;
    LayOutPlain(chart);
    auto& line = chart.CreateSeries<TFastLineSeries>();
    line.SetParentChart(&chart);
    for (int i = 0; i < 4; ++i)
        line.AddPoint(i, 7.5);
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 772, 190);

    const TAxisLayout& left = layout.Axis(akLeft);
    EXPECT_EQ(LabelTexts(left), (std::vector<std::string>{"7.5"}));
    const std::vector<TCanvasOp> polylines = canvas.OpsOfKind(opPolyline);
    ASSERT_EQ(polylines.size(), 3u);  // the bevel's two and the line
    for (const TPoint& point : polylines.back().Points)
        EXPECT_EQ(point.Y, left.Scale.CenterPos());
}

TEST(ChartLayout, MarginWideningAndOneTwoFiveStepOnA600PixelAxis)
{
    // Characters 5 wide: "-0.102" and "12.102" measure 30 pixels.
    TChart chart;
    LayOutPlain(chart);
    FixLayout(chart);
    auto& points = chart.CreateSeries<TPointSeries>();  // 5-pixel margins
    points.SetParentChart(&chart);
    for (int x = 0; x <= 12; ++x)
        points.AddPoint(x, x % 3);
    TRecordingCanvas canvas(5, 13);
    TChartLayout layout = Paint(chart, canvas, 629, 300);

    const TAxisLayout& bottom = layout.Axis(akBottom);
    ASSERT_EQ(bottom.Scale.AxisSize(), 600);
    EXPECT_EQ(chart.BottomAxis().Minimum(), 0);  // the data range, before widening
    EXPECT_EQ(chart.BottomAxis().Maximum(), 12);
    EXPECT_NEAR(bottom.Scale.WorkMinimum, -0.1017, 5e-5);
    EXPECT_NEAR(bottom.Scale.WorkMaximum, 12.1017, 5e-5);
    EXPECT_EQ(bottom.Division.Step, 1);
    const std::vector<std::string> texts = LabelTexts(bottom);
    ASSERT_EQ(texts.size(), 13u);
    EXPECT_EQ(texts.front(), "12");
    EXPECT_EQ(texts.back(), "0");
    EXPECT_EQ(bottom.Division.Labels.back().Pos, bottom.Scale.StartPos + 5);
    EXPECT_EQ(bottom.Division.Labels.front().Pos, bottom.Scale.EndPos - 5);
}

TEST(ChartLayout, FixedLeftAxisIsNotWidenedAndLabelsStayInside)
{
    TChart chart;
    LayOutPlain(chart);
    auto& points = chart.CreateSeries<TPointSeries>();
    points.SetParentChart(&chart);
    points.AddPoint(0, 10);
    points.AddPoint(1, 11);
    chart.LeftAxis().SetAutomatic(false);
    chart.LeftAxis().SetMaximum(12.5);
    chart.LeftAxis().SetMinimum(9.5);
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 772, 190);

    const TAxisLayout& left = layout.Axis(akLeft);
    EXPECT_EQ(left.Scale.WorkMinimum, 9.5);
    EXPECT_EQ(left.Scale.WorkMaximum, 12.5);
    // 154 pixels high, labels 13 + 1: n = 11, start 3 / 12 = 0.25 -> 0.5.
    EXPECT_EQ(left.Division.Step, 0.5);
    EXPECT_EQ(LabelTexts(left), (std::vector<std::string>{"12.5", "12", "11.5", "11", "10.5", "10", "9.5"}));
    // Right-aligned at LabelsPos, vertically centred on the pixel.
    const std::vector<TCanvasOp> label = canvas.TextOps("11");
    ASSERT_EQ(label.size(), 1u);
    EXPECT_EQ(label[0].Align, taRightJustify);
    EXPECT_EQ(label[0].Points[0], (TPoint{left.LabelsPos, left.CalcPosValue(11) - 6}));
    // The band: widest of "12.5" and "9.5" plus a blank.
    EXPECT_EQ(left.LabelsPos, 24 + 24 + 6);
    EXPECT_EQ(layout.PlotRect.Left, left.LabelsPos + 7);
}

TEST(ChartLayout, VerticalLabelBandMeasuresTheEndsRoundedToTheStep)
{
    TChart chart;
    LayOutPlain(chart);
    auto& points = chart.CreateSeries<TPointSeries>();
    points.SetParentChart(&chart);
    points.AddPoint(0, 1);
    points.AddPoint(1, 2);
    chart.LeftAxis().SetAutomatic(false);
    chart.LeftAxis().SetMaximum(13.2);
    chart.LeftAxis().SetMinimum(-7.3);
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 772, 486);

    const TAxisLayout& left = layout.Axis(akLeft);
    EXPECT_EQ(left.Division.Step, 1);
    // "13" and "-7" (truncated towards zero), not "13.2" and "-7.3", plus a blank.
    EXPECT_EQ(left.LabelsPos, 24 + 12 + 6);
}

TEST(ChartLayout, TicksGridAndMinorTicksOfABottomAxis)
{
    TChart chart;
    LayOutPlain(chart);
    FixLayout(chart);
    auto& line = chart.CreateSeries<TFastLineSeries>();
    line.SetParentChart(&chart);
    line.LinePen().SetVisible(false);  // keeps the series out of the line ops
    line.AddPoint(0, 0);
    line.AddPoint(10, 1);
    chart.BottomAxis().SetAutomatic(false);
    chart.BottomAxis().SetMaximum(10);
    chart.BottomAxis().SetIncrement(5);
    chart.LeftAxis().Grid().SetVisible(false);
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 229, 200);  // plot 28..228: 200 pixels for 0..10

    const TAxisLayout& bottom = layout.Axis(akBottom);
    EXPECT_EQ(bottom.Division.Ticks, (std::vector<int>{228, 128, 28}));
    const int axisPos = bottom.AxisPos;
    std::vector<TCanvasOp> majors, minors, grid;
    for (const TCanvasOp& op : canvas.OpsOfKind(opLine)) {
        if (op.Pen.Style == psDot)
            grid.push_back(op);
        else if (op.Pen.Width == 1 && op.Points[0].Y == axisPos + 1)
            (op.Points[1].Y == axisPos + 5 ? majors : minors).push_back(op);
    }
    ASSERT_EQ(majors.size(), 3u);
    EXPECT_EQ(majors[1].Points[0], (TPoint{128, axisPos + 1}));
    // Grid only strictly inside the axis, from the plot top + 1 to the bottom.
    ASSERT_EQ(grid.size(), 1u);
    EXPECT_EQ(grid[0].Points[0], (TPoint{128, layout.PlotRect.Top + 1}));
    EXPECT_EQ(grid[0].Points[1], (TPoint{128, layout.PlotRect.Bottom}));
    // Three minor ticks between each pair, none beyond the ends here.
    std::vector<int> minorX;
    for (const TCanvasOp& op : minors)
        minorX.push_back(op.Points[0].X);
    EXPECT_EQ(minorX, (std::vector<int>{153, 178, 203, 53, 78, 103}));
    // The drawing paints exactly the division of the layout pass.
    EXPECT_EQ(bottom.Division.MinorTicks, minorX);
}

TEST(ChartLayout, RightAxisSeriesMakesTheRightAxisVisible)
{
    TChart chart;
    LayOutPlain(chart);
    auto& bars = chart.CreateSeries<TBarSeries>();
    bars.SetParentChart(&chart);
    bars.AddPoint(1, 4);
    auto& curve = chart.CreateSeries<TLineSeries>();
    curve.SetParentChart(&chart);
    curve.SetVertAxis(aRightAxis);
    curve.AddPoint(0, 0.25);
    curve.AddPoint(2, 0.5);
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 772, 486);

    EXPECT_TRUE(layout.Axis(akLeft).Visible);
    EXPECT_TRUE(layout.Axis(akRight).Visible);
    EXPECT_TRUE(layout.Axis(akBottom).Visible);
    EXPECT_FALSE(layout.Axis(akTop).Visible);
    EXPECT_EQ(chart.RightAxis().Minimum(), 0.25);
    EXPECT_EQ(chart.RightAxis().Maximum(), 0.5);
    EXPECT_EQ(chart.LeftAxis().Minimum(), 0);  // bars include their origin
    ASSERT_FALSE(layout.Axis(akRight).Division.Labels.empty());
    const std::vector<TCanvasOp> label = canvas.TextOps(layout.Axis(akRight).Division.Labels[0].Text);
    ASSERT_FALSE(label.empty());
    EXPECT_EQ(label.back().Align, taLeftJustify);
    EXPECT_EQ(label.back().Points[0].X, layout.Axis(akRight).LabelsPos);
    EXPECT_EQ(layout.Axis(akRight).LabelsPos, layout.PlotRect.Right + 7);
}

TEST(ChartLayout, AnAxisHiddenByALaterPaintKeepsNoLabelsOrTicks)
{
    TChart chart;
    LayOutPlain(chart);
    auto& curve = chart.CreateSeries<TLineSeries>();
    curve.SetParentChart(&chart);
    curve.SetVertAxis(aRightAxis);
    curve.AddPoint(0, 0.25);
    curve.AddPoint(2, 0.5);
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 772, 486);
    ASSERT_FALSE(layout.Axis(akRight).Division.Labels.empty());

    curve.SetVertAxis(aLeftAxis);
    layout = Paint(chart, canvas, 772, 486);
    EXPECT_FALSE(layout.Axis(akRight).Visible);
    EXPECT_TRUE(layout.Axis(akRight).Division.Labels.empty());
    EXPECT_TRUE(layout.Axis(akRight).Division.Ticks.empty());
    EXPECT_EQ(layout.Axis(akRight).Division.Step, 0);
    EXPECT_FALSE(layout.Axis(akLeft).Division.Labels.empty());
}

TEST(AxisProperties, MinimumAndMaximumChecks)
{
    TChart chart;
    TChartAxis& axis = chart.LeftAxis();
    axis.SetAutomatic(false);
    axis.SetMaximum(200);
    axis.SetMinimum(100);
    try {
        axis.SetMaximum(50);
        FAIL() << "no exception";
    } catch (const AxisException& error) {
        EXPECT_STREQ(error.what(), "Axis Maximum Value must be >= Minimum");
    }
    EXPECT_EQ(axis.Maximum(), 200);
    try {
        axis.SetMinimum(201);
        FAIL() << "no exception";
    } catch (const AxisException& error) {
        EXPECT_STREQ(error.what(), "Axis Minimum Value must be <= Maximum");
    }
    EXPECT_EQ(axis.Minimum(), 100);
    axis.SetMaximum(100);  // equal ends are fine
    axis.SetMinimum(100);

    chart.SetLoading(true);  // laid-out values skip the checks
    axis.SetMaximum(-5);
    chart.SetLoading(false);
    EXPECT_EQ(axis.Maximum(), -5);
}

TEST(AxisProperties, IncrementAndSeparationChecks)
{
    TChart chart;
    TChartAxis& axis = chart.BottomAxis();
    EXPECT_THROW(
        {
            try {
                axis.SetIncrement(-1);
            } catch (const AxisException& error) {
                EXPECT_STREQ(error.what(), "Axis increment must be >= 0");
                throw;
            }
        },
        AxisException);
    EXPECT_THROW(
        {
            try {
                axis.SetLabelsSeparation(-1);
            } catch (const AxisException& error) {
                EXPECT_STREQ(error.what(), "Labels Separation % must be greater than 0");
                throw;
            }
        },
        AxisException);
    axis.SetLabelsSeparation(0);
    EXPECT_EQ(axis.LabelsSeparation(), 0);
}

TEST(AxisProperties, AutomaticFlagsMoveTogether)
{
    TChart chart;
    TChartAxis& axis = chart.LeftAxis();
    axis.SetAutomatic(false);
    EXPECT_FALSE(axis.AutomaticMinimum());
    EXPECT_FALSE(axis.AutomaticMaximum());
    axis.SetAutomatic(true);
    axis.SetAutomaticMaximum(false);
    EXPECT_FALSE(axis.Automatic());
    EXPECT_TRUE(axis.AutomaticMinimum());
}

TEST(AxisProperties, PaintedDataRangeIsWhatTheChecksCompareAgainst)
{
    TChart chart;
    LayOutPlain(chart);
    auto& line = chart.CreateSeries<TFastLineSeries>();
    line.SetParentChart(&chart);
    line.AddPoint(0, 20);
    line.AddPoint(1, 30);
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 772, 190);
    EXPECT_EQ(chart.LeftAxis().Minimum(), 20);
    EXPECT_EQ(chart.LeftAxis().Maximum(), 30);

    chart.LeftAxis().SetAutomatic(false);
    EXPECT_THROW(chart.LeftAxis().SetMaximum(10), AxisException);

    // A fresh chart painted empty holds 0 to 0.
    TChart fresh;
    layout = Paint(fresh, canvas, 772, 190);
    fresh.LeftAxis().SetAutomatic(false);
    EXPECT_THROW(fresh.LeftAxis().SetMaximum(-1), AxisException);
}

TEST(Repainting, EveryChangeMarksTheChart)
{
    TChart chart;
    int invalidations = 0;
    chart.SetOnInvalidate([&] { ++invalidations; });
    auto& line = chart.CreateSeries<TFastLineSeries>();
    const auto changes = [&](auto&& change) {
        TRecordingCanvas canvas;
        Paint(chart, canvas, 100, 100);
        const int before = invalidations;
        change();
        EXPECT_TRUE(chart.NeedsRepaint());
        return invalidations - before;
    };
    EXPECT_GE(changes([&] { line.SetParentChart(&chart); }), 1);
    EXPECT_EQ(changes([&] { line.AddPoint(1, 2); }), 1);
    EXPECT_EQ(changes([&] { line.ClearPoints(); }), 1);  // also with no points
    EXPECT_EQ(changes([&] { line.ClearPoints(); }), 1);
    EXPECT_EQ(changes([&] { line.Marks().Font().SetSize(10); }), 1);
    EXPECT_EQ(changes([&] { line.LinePen().SetWidth(2); }), 1);
    EXPECT_EQ(changes([&] { chart.LeftAxis().Grid().SetVisible(false); }), 1);
    EXPECT_EQ(changes([&] { chart.BottomAxis().SetLabelStyle(talValue); }), 1);
    EXPECT_EQ(changes([&] { chart.Title().SetVisible(false); }), 1);
    EXPECT_EQ(changes([&] { chart.SetColor(clWhite); }), 1);

    TRecordingCanvas canvas;
    Paint(chart, canvas, 100, 100);
    EXPECT_FALSE(chart.NeedsRepaint());
}
