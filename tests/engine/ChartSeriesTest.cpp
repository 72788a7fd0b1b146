// Series: point storage, colours and the palette, joining and leaving a
// chart, ranges and margins, visible index ranges and the drawing of the four
// kinds on the recording canvas.
#include <gtest/gtest.h>

#include "EngineTestSupport.h"

TEST(SeriesPoints, AscendingInsertionKeepsEqualXInTheOrderAdded)
{
    TChart chart;
    auto& series = chart.CreateSeries<TLineSeries>();
    for (double x : {1, 3, 5, 7})
        series.AddPoint(x, x * 10, "", clRed);
    EXPECT_EQ(series.AddPoint(5, 99, "new", clBlue), 3);
    EXPECT_EQ(series.XValues().Values(), (std::vector<double>{1, 3, 5, 5, 7}));
    EXPECT_EQ(series.YValues().Values(), (std::vector<double>{10, 30, 50, 99, 70}));
    EXPECT_EQ(series.Label(3), "new");
    EXPECT_EQ(series.Label(4), "");
    EXPECT_EQ(series.StoredColor(3), clBlue);
    EXPECT_EQ(series.StoredColor(4), clRed);

    EXPECT_EQ(series.AddPoint(0, 0), 0);  // before everything
    EXPECT_EQ(series.Label(4), "new");
}

TEST(SeriesPoints, UnorderedAndDescendingLists)
{
    TChart chart;
    auto& series = chart.CreateSeries<TLineSeries>();
    series.XValues().SetOrder(loNone);
    series.AddPoint(3, 0);
    series.AddPoint(1, 0);
    EXPECT_EQ(series.XValues().Values(), (std::vector<double>{3, 1}));

    auto& falling = chart.CreateSeries<TLineSeries>();
    falling.XValues().SetOrder(loDescending);
    for (double x : {9, 5, 1})
        falling.AddPoint(x, 0);
    EXPECT_EQ(falling.AddPoint(5, 1), 2);  // after the last value >= 5
    EXPECT_EQ(falling.AddPoint(10, 1), 0);
}

TEST(SeriesPoints, ColourListCreatedOnFirstNeed)
{
    TChart chart;
    auto& series = chart.CreateSeries<TLineSeries>();
    series.SetParentChart(&chart);
    series.AddPoint(0, 0);
    EXPECT_FALSE(series.HasColorList());
    series.AddPoint(1, 0, "", clYellow);
    EXPECT_TRUE(series.HasColorList());
    series.AddPoint(2, 0);
    EXPECT_EQ(series.StoredColor(0), DefaultColorMarker);
    EXPECT_EQ(series.ValueColor(0), series.Color());
    EXPECT_EQ(series.ValueColor(1), clYellow);
    EXPECT_EQ(series.ValueColor(2), series.Color());
    series.SetColorEachPoint(true);
    EXPECT_EQ(series.ValueColor(2), DefaultPalette[2]);
}

TEST(SeriesPoints, EmptyLabelsCreateNoLabelList)
{
    TChart chart;
    auto& series = chart.CreateSeries<TLineSeries>();
    series.AddPoint(0, 1.5);
    series.AddPoint(1, 2.5, "");
    EXPECT_FALSE(series.HasNonEmptyLabel());
    EXPECT_EQ(series.Marks().MarkText(1), "2.5");
    series.AddPoint(2, 3, " ");
    EXPECT_TRUE(series.HasNonEmptyLabel());
    EXPECT_EQ(series.Marks().MarkText(2), " ");
}

TEST(SeriesPoints, ClearPointsEmptiesEverything)
{
    TChart chart;
    auto& series = chart.CreateSeries<TBarSeries>();
    series.SetParentChart(&chart);
    series.AddPoint(0, 1, "a", clRed);
    TRecordingCanvas canvas;
    Paint(chart, canvas, 300, 200);
    ASSERT_TRUE(series.Marks().StoredPosition(0).has_value());
    series.ClearPoints();
    EXPECT_EQ(series.Count(), 0u);
    EXPECT_FALSE(series.HasColorList());
    EXPECT_FALSE(series.HasNonEmptyLabel());
    EXPECT_FALSE(series.Marks().StoredPosition(0).has_value());
    EXPECT_EQ(chart.LayOut(canvas, 300, 200).Of(series).FirstVisible, -1);
}

TEST(SeriesColours, PaletteColoursWhenJoiningTheDistributionChart)
{
    TChart chart;
    LayOutPlain(chart);
    auto& bars = chart.CreateSeries<TBarSeries>();
    bars.SetParentChart(&chart);
    EXPECT_EQ(bars.Color(), clRed);
    EXPECT_EQ(bars.SeriesColor(), DefaultColorMarker);
    bars.SetSeriesColor(15453831);
    auto& first = chart.CreateSeries<TLineSeries>();
    first.SetParentChart(&chart);
    EXPECT_EQ(first.Color(), clRed);  // no other series shows red any more
    auto& second = chart.CreateSeries<TLineSeries>();
    second.SetParentChart(&chart);
    EXPECT_EQ(second.Color(), clGreen);

    // Assigning the palette colour it already has is ignored.
    first.SetSeriesColor(clRed);
    EXPECT_EQ(first.SeriesColor(), DefaultColorMarker);
    first.SetSeriesColor(clBlue);
    EXPECT_EQ(first.SeriesColor(), clBlue);
}

TEST(SeriesColours, PaletteSkipsTheChartAndWallColours)
{
    TChart chart;
    chart.SetColor(clRed);
    auto& series = chart.CreateSeries<TLineSeries>();
    series.SetParentChart(&chart);
    EXPECT_EQ(series.Color(), clGreen);

    TChart full;
    for (int i = 0; i < 20; ++i) {
        auto& one = full.CreateSeries<TLineSeries>();
        one.SetSeriesColor(DefaultPalette[i]);
        one.SetParentChart(&full);
    }
    auto& extra = full.CreateSeries<TLineSeries>();
    extra.SetParentChart(&full);
    EXPECT_EQ(extra.Color(), DefaultPalette[19]);
}

TEST(SeriesColours, FastLinePenFollowsTheSeriesColour)
{
    TChart chart;
    auto& line = chart.CreateSeries<TFastLineSeries>();
    line.SetParentChart(&chart);
    EXPECT_EQ(line.LinePen().Color(), clRed);  // palette colour on joining
    line.SetSeriesColor(33023);
    EXPECT_EQ(line.LinePen().Color(), 33023);
    TChartPen pen(clBlue, 3, psDash, true);
    line.SetLinePen(pen);
    EXPECT_EQ(line.SeriesColor(), clBlue);
    EXPECT_EQ(line.LinePen().Width(), 3);
}

TEST(SeriesMembership, AttachTwiceLeaveAndDestroyAll)
{
    TChart chart, other;
    auto& a = chart.CreateSeries<TLineSeries>("a");
    auto& b = chart.CreateSeries<TBarSeries>("b");
    EXPECT_EQ(chart.SeriesCount(), 0u);  // owned, not yet in the list
    chart.AttachSeries(a);
    chart.AttachSeries(a);
    b.SetParentChart(&chart);
    EXPECT_EQ(chart.SeriesCount(), 2u);
    b.SetParentChart(&other);
    EXPECT_EQ(chart.SeriesCount(), 1u);
    EXPECT_EQ(other.SeriesCount(), 1u);

    chart.DestroyAllSeries();
    EXPECT_EQ(chart.SeriesCount(), 0u);
    EXPECT_EQ(chart.FindSeries("a"), nullptr);
    EXPECT_EQ(other.FindSeries("b"), &b);  // only the series in the list go
    other.DestroyAllSeries();
    EXPECT_EQ(chart.FindSeries("b"), nullptr);
    chart.DestroyAllSeries();  // empty: nothing happens
}

TEST(SeriesMembership, DestroyingAChartReleasesSeriesShownElsewhere)
{
    auto owner = std::make_unique<TChart>();
    TChart shows;
    auto& line = owner->CreateSeries<TLineSeries>();
    line.SetParentChart(&shows);
    owner.reset();
    EXPECT_EQ(shows.SeriesCount(), 0u);
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(shows, canvas, 200, 100);
}

TEST(SeriesRanges, BarsIncludeTheirOrigin)
{
    TChart chart;
    auto& bars = chart.CreateSeries<TBarSeries>();
    bars.AddPoint(0, 3);
    bars.AddPoint(1, 8);
    EXPECT_EQ(bars.MinYValue(), 0);
    EXPECT_EQ(bars.MaxYValue(), 8);
    bars.SetUseYOrigin(false);
    EXPECT_EQ(bars.MinYValue(), 3);
}

TEST(SeriesMargins, FastLineWidthsAndPointers)
{
    TChart chart;
    auto& line = chart.CreateSeries<TFastLineSeries>();
    int left = 0, right = 0;
    for (auto [width, margin] : {std::pair{1, 1}, {2, 2}, {3, 3}, {4, 3}}) {
        line.LinePen().SetWidth(width);
        line.CalcHorizMargins({}, left, right);
        EXPECT_EQ(left, margin) << width;
        EXPECT_EQ(right, margin) << width;
    }
    auto& points = chart.CreateSeries<TPointSeries>();
    points.CalcVerticalMargins({}, left, right);
    EXPECT_EQ(left, 5);
    auto& plain = chart.CreateSeries<TLineSeries>();  // hidden pointer
    plain.CalcHorizMargins({}, left, right);
    EXPECT_EQ(left, 0);
}

TEST(SeriesVisibleRange, PointsOutsideTheFixedBottomAxis)
{
    TChart chart;
    LayOutPlain(chart);
    auto& line = chart.CreateSeries<TLineSeries>();
    line.SetParentChart(&chart);
    for (int x = 0; x <= 10; ++x)
        line.AddPoint(x, x);
    chart.BottomAxis().SetAutomatic(false);
    chart.BottomAxis().SetMaximum(6.5);
    chart.BottomAxis().SetMinimum(2.5);
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 400, 300);
    EXPECT_EQ(layout.Of(line).FirstVisible, 3);
    EXPECT_EQ(layout.Of(line).LastVisible, 7);  // the first point beyond the right edge

    chart.BottomAxis().SetMaximum(20);
    chart.BottomAxis().SetMinimum(10.5);
    layout = Paint(chart, canvas, 400, 300);
    EXPECT_EQ(layout.Of(line).FirstVisible, -1);  // draws nothing
}

TEST(FastLineDrawing, SamePixelSkippedVerticalStepsDrawn)
{
    TChart chart;
    LayOutPlain(chart);
    FixLayout(chart);
    auto& line = chart.CreateSeries<TFastLineSeries>();
    line.SetParentChart(&chart);
    chart.BottomAxis().SetAutomatic(false);
    chart.BottomAxis().SetMaximum(100);
    chart.LeftAxis().SetAutomatic(false);
    chart.LeftAxis().SetMaximum(100);
    line.AddPoint(0, 0);
    line.AddPoint(0.1, 0);   // same pixel: skipped
    line.AddPoint(0.2, 50);  // same column, other row: vertical line
    line.AddPoint(100, 50);
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 129, 200);  // 100 pixels for 0..100

    const std::vector<TCanvasOp> lines = canvas.OpsOfKind(opPolyline);
    const TCanvasOp& drawn = lines.back();
    ASSERT_EQ(drawn.Points.size(), 3u);
    EXPECT_EQ(drawn.Points[0].X, drawn.Points[1].X);
    EXPECT_NE(drawn.Points[0].Y, drawn.Points[1].Y);
    EXPECT_EQ(drawn.Points[2].X, 128);
    EXPECT_EQ(drawn.Pen.Color, clRed);  // point colours never colour a fast line
    EXPECT_TRUE(drawn.Clip.has_value());
}

TEST(FastLineDrawing, DashedWidthTwoPenReachesTheCanvas)
{
    TChart chart;
    auto& line = chart.CreateSeries<TFastLineSeries>();
    line.SetParentChart(&chart);
    line.LinePen().SetStyle(psDash);
    line.LinePen().SetWidth(2);
    line.AddPoint(0, 1);
    line.AddPoint(1, 2);
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 300, 200);
    const TCanvasOp drawn = canvas.OpsOfKind(opPolyline).back();
    EXPECT_EQ(drawn.Pen.Style, psDash);
    EXPECT_EQ(drawn.Pen.Width, 2);
    EXPECT_EQ(drawn.Pen.EndStyle, esRound);
}

TEST(LineDrawing, DrawnInTheSeriesColourNotThePointColours)
{
    TChart chart;
    auto& line = chart.CreateSeries<TLineSeries>();
    line.SetParentChart(&chart);
    line.SetSeriesColor(clGreen);
    line.AddPoint(1, 0, "", clRed);
    line.AddPoint(1, 5, "", clRed);  // a vertical limit line, in the order added
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 300, 200);
    std::vector<TCanvasOp> segments;
    for (const TCanvasOp& op : canvas.OpsOfKind(opLine))
        if (op.Clip)
            segments.push_back(op);
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0].Pen.Color, clGreen);
    EXPECT_GT(segments[0].Points[0].Y, segments[0].Points[1].Y);  // from Y 0 up to Y 5
}

TEST(PointDrawing, RectangleAndDiamondPointers)
{
    TChart chart;
    LayOutPlain(chart);
    auto& points = chart.CreateSeries<TPointSeries>();
    points.SetParentChart(&chart);
    points.AddPoint(0, 0, "", clYellow);
    points.AddPoint(1, 1, "", NullColor);  // not drawn
    points.AddPoint(2, 2, "", clRed);
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 400, 300);

    const std::vector<TCanvasOp> rects = canvas.OpsOfKind(opRectangle);
    ASSERT_EQ(rects.size(), 3u);  // the wall and two pointers
    const TPoint first = points.PointPixel(layout, 0);
    EXPECT_EQ(rects[1].Rect, (TRect{first.X - 4, first.Y - 4, first.X + 5, first.Y + 5}));
    EXPECT_EQ(rects[1].Brush.Color, clYellow);
    EXPECT_EQ(rects[1].Pen.Color, clBlack);
    EXPECT_EQ(rects[2].Brush.Color, clRed);

    points.Pointer().SetStyle(psDiamond);
    canvas.Clear();
    layout = Paint(chart, canvas, 400, 300);
    const std::vector<TCanvasOp> diamonds = canvas.OpsOfKind(opPolygon);
    ASSERT_EQ(diamonds.size(), 2u);
    EXPECT_EQ(diamonds[0].Points,
              (std::vector<TPoint>{
                  {first.X - 4, first.Y}, {first.X, first.Y - 4}, {first.X + 4, first.Y}, {first.X, first.Y + 4}}));
}

TEST(BarDrawing, TwelveBarsOnA700PixelAxis)
{
    TChart chart;
    LayOutPlain(chart);
    FixLayout(chart);
    auto& bars = chart.CreateSeries<TBarSeries>();
    bars.SetParentChart(&chart);
    bars.Marks().SetVisible(false);
    for (int i = 0; i < 12; ++i)
        bars.AddPoint(i, i % 4, "", 15453831);
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 729, 300);

    ASSERT_EQ(layout.Axis(akBottom).Scale.AxisSize(), 700);
    // a = 700 div 13 = 53, Round(37.1) = 37, odd -> 38.
    EXPECT_EQ(layout.Of(bars).Bars.Size, 38);
    // The range is widened by 38 pixels on both sides.
    EXPECT_EQ(bars.PointPixel(layout, 0).X, layout.Axis(akBottom).Scale.StartPos + 38);
    EXPECT_EQ(bars.PointPixel(layout, 11).X, layout.Axis(akBottom).Scale.EndPos - 38);

    const TRect bar = bars.BarRect(layout, layout.Of(bars), 1);
    const TPoint point = bars.PointPixel(layout, 1);
    EXPECT_EQ(bar.Left, point.X - 19);
    EXPECT_EQ(bar.Right, bar.Left + 39);
    EXPECT_EQ(bar.Top, point.Y);
    EXPECT_EQ(bar.Bottom, layout.Axis(akLeft).CalcPosValue(0));

    std::vector<TCanvasOp> filled;
    for (const TCanvasOp& op : canvas.OpsOfKind(opRectangle))
        if (!op.Brush.Clear)
            filled.push_back(op);
    ASSERT_EQ(filled.size(), 9u);  // three zero bars are single lines
    EXPECT_EQ(filled[0].Rect, bar);
    EXPECT_EQ(filled[0].Brush.Color, 15453831);
    EXPECT_EQ(filled[0].Pen.Color, clBlack);
}

TEST(BarDrawing, BarsKeptApartNarrowToTheRoomBetweenThem)
{
    // Twelve bars one unit apart on an axis that also holds a line out at 40.
    TChart chart;
    LayOutPlain(chart);
    FixLayout(chart);
    auto& bars = chart.CreateSeries<TBarSeries>();
    bars.SetParentChart(&chart);
    bars.Marks().SetVisible(false);
    for (int i = 0; i < 12; ++i)
        bars.AddPoint(i, 1 + i % 4, "", 15453831);
    auto& far = chart.CreateSeries<TLineSeries>();
    far.SetParentChart(&chart);
    far.AddPoint(40, 0);
    far.AddPoint(40, 1);
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 729, 300);
    ASSERT_EQ(layout.Axis(akBottom).Scale.AxisSize(), 700);
    EXPECT_EQ(layout.Of(bars).Bars.Size, 38);  // as usual, into each other at about 16 pixels apart
    EXPECT_GT(bars.BarRect(layout, layout.Of(bars), 0).Right, bars.BarRect(layout, layout.Of(bars), 1).Left);

    bars.SetKeepApart(true);
    layout = Paint(chart, canvas, 729, 300);
    // 16 pixels would leave (700 - 32) / 40 = 16.7 pixels between bars and
    // so touch a neighbour; 14 leaves 16.8, rounded to 16 or 17.
    EXPECT_EQ(layout.Of(bars).Bars.Size, 14);
    EXPECT_EQ(bars.PointPixel(layout, 0).X, layout.Axis(akBottom).Scale.StartPos + 14);
    for (std::size_t i = 0; i + 1 < bars.Count(); ++i)
        EXPECT_LE(bars.BarRect(layout, layout.Of(bars), i).Right, bars.BarRect(layout, layout.Of(bars), i + 1).Left)
            << i;

    // Bars that stand apart anyway keep their usual size.
    far.ClearPoints();
    layout = Paint(chart, canvas, 729, 300);
    EXPECT_EQ(layout.Of(bars).Bars.Size, 38);
}
