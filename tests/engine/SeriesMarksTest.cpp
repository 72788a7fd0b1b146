// Series marks on the recording canvas: texts, box sizes and places for line
// and bar kinds, the connector, and the overlap avoidance of bar marks.
// Boxes are measured with 6-pixel characters and 13-pixel lines: a box is
// text width + 6 + 2 wide and 13 + 2 high.
#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "NumberSettings.h"

namespace {

const TDrawnMark* FindMark(const TChartLayout& layout, const TChartSeries& series, int index)
{
    for (const TDrawnMark& mark : layout.Of(series).Marks)
        if (mark.Index == index)
            return &mark;
    return nullptr;
}

TBarSeries& AddBars(TChart& chart, std::initializer_list<std::tuple<double, double, const char*>> points)
{
    auto& bars = chart.CreateSeries<TBarSeries>();
    bars.SetParentChart(&chart);
    bars.Marks().SetTransparent(true);
    bars.Marks().SetArrowLength(5);
    for (const auto& [x, y, label] : points)
        bars.AddPoint(x, y, label, 15453831);
    return bars;
}

}  // namespace

TEST(MarkText, LabelOrFormattedValue)
{
    NumberSettings() = {".", ","};
    TChart chart;
    auto& series = chart.CreateSeries<TLineSeries>();
    series.AddPoint(0, 1234.5678);
    series.AddPoint(1, -0.5);
    series.AddPoint(2, 12.3456);
    series.AddPoint(3, 3);
    series.AddPoint(4, 3, "Target");
    EXPECT_EQ(series.Marks().MarkText(0), "1,234.568");
    EXPECT_EQ(series.Marks().MarkText(1), "-0.5");
    EXPECT_EQ(series.Marks().MarkText(2), "12.346");
    EXPECT_EQ(series.Marks().MarkText(3), "3");
    EXPECT_EQ(series.Marks().MarkText(4), "Target");
}

TEST(MarkText, XValuesFollowTheHorizontalAxisFormat)
{
    NumberSettings() = {".", ","};
    TChart chart;
    auto& series = chart.CreateSeries<TLineSeries>();
    series.SetParentChart(&chart);
    series.SetValueFormat("0.00");
    chart.BottomAxis().SetAxisValuesFormat("0.0");
    series.AddPoint(2, 5);
    series.Marks().SetStyle(smsXValue);
    EXPECT_EQ(series.Marks().MarkText(0), "2.0");
    series.Marks().SetStyle(smsXY);
    EXPECT_EQ(series.Marks().MarkText(0), "2.0 5.00");
}

TEST(LineMarks, LimitLineShowsItsValueAtTheRightEnd)
{
    TChart chart;
    LayOutPlain(chart);
    auto& line = chart.CreateSeries<TFastLineSeries>();
    line.SetParentChart(&chart);
    line.Marks().SetVisible(true);
    line.Marks().SetTransparent(true);
    line.Marks().Font().SetColor(clRed);
    line.Marks().Font().SetBold(true);
    line.AddPoint(0, 25.5, " ", clRed);
    line.AddPoint(6, 25.5, "", clRed);
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 772, 190);

    ASSERT_EQ(layout.Of(line).Marks.size(), 2u);
    EXPECT_EQ(FindMark(layout, line, 0)->Text, " ");  // an invisible blank mark
    const TDrawnMark* mark = FindMark(layout, line, 1);
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->Text, "25.5");
    const TPoint end = line.PointPixel(layout, 1);
    EXPECT_EQ(mark->Position.Width, 24 + 6 + 2);
    EXPECT_EQ(mark->Position.Height, 15);
    EXPECT_EQ(mark->Position.Left, end.X - 16);
    EXPECT_EQ(mark->Position.Top + mark->Position.Height - 1, end.Y - 8);  // last row 8 above the line
    EXPECT_EQ(mark->Position.ArrowFrom, end);
    EXPECT_EQ(mark->Position.ArrowTo, (TPoint{end.X, end.Y - 8}));

    std::vector<TCanvasOp> text = canvas.TextOps("25.5");
    ASSERT_EQ(text.size(), 2u);  // the axis label and the mark
    text.erase(text.begin());
    EXPECT_EQ(text[0].Align, taCenter);
    EXPECT_EQ(text[0].Points[0], (TPoint{mark->Position.Left + 17, mark->Position.Top + 1}));
    EXPECT_EQ(text[0].Font.Color, clRed);
    EXPECT_TRUE(text[0].Font.Bold);
    EXPECT_FALSE(text[0].Clip.has_value());  // marks are not clipped
    // White connector from the point up to the box; transparent: no box drawn.
    bool connector = false;
    for (const TCanvasOp& op : canvas.OpsOfKind(opLine))
        connector |= op.Pen.Color == clWhite && op.Points[0] == end && op.Points[1] == mark->Position.ArrowTo;
    EXPECT_TRUE(connector);
    EXPECT_EQ(canvas.OpsOfKind(opRectangle).size(), 1u);  // only the wall
}

TEST(LineMarks, OpaqueBoxWithFrameAndShadow)
{
    TChart chart;
    auto& line = chart.CreateSeries<TLineSeries>();
    line.SetParentChart(&chart);
    line.Marks().SetVisible(true);
    line.AddPoint(0, 1);
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 300, 200);
    const TDrawnMark& mark = layout.Of(line).Marks.at(0);
    const std::vector<TCanvasOp> rects = canvas.OpsOfKind(opRectangle);
    ASSERT_EQ(rects.size(), 3u);  // wall, shadow, box
    const TRect box{mark.Position.Left, mark.Position.Top, mark.Position.Left + mark.Position.Width,
                    mark.Position.Top + mark.Position.Height};
    EXPECT_EQ(rects[1].Rect, (TRect{box.Left + 1, box.Top + 1, box.Right + 1, box.Bottom + 1}));
    EXPECT_EQ(rects[1].Brush.Color, clGray);
    EXPECT_EQ(rects[2].Rect, box);
    EXPECT_EQ(rects[2].Pen.Color, clBlack);
}

TEST(LineMarks, HiddenMarksDrawAndStoreNothing)
{
    TChart chart;
    auto& line = chart.CreateSeries<TLineSeries>();
    line.SetParentChart(&chart);
    line.AddPoint(0, 1);
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 300, 200);
    EXPECT_TRUE(layout.Of(line).Marks.empty());
    EXPECT_FALSE(line.Marks().StoredPosition(0).has_value());
    EXPECT_TRUE(canvas.TextOps("1").size() <= 1u);  // at most the axis label
}

TEST(LineMarks, DrawEveryAndNullPoints)
{
    TChart chart;
    auto& line = chart.CreateSeries<TLineSeries>();
    line.SetParentChart(&chart);
    line.Marks().SetVisible(true);
    line.Marks().SetDrawEvery(2);
    for (int i = 0; i < 5; ++i)
        line.AddPoint(i, i, "", i == 2 ? NullColor : DefaultColorMarker);
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 300, 200);
    std::vector<int> indexes;
    for (const TDrawnMark& mark : layout.Of(line).Marks)
        indexes.push_back(mark.Index);
    EXPECT_EQ(indexes, (std::vector<int>{0, 4}));
}

TEST(BarMarks, CountCentredOverItsBar)
{
    TChart chart;
    LayOutPlain(chart);
    auto& bars = AddBars(chart, {{0, 3, ""}, {1, 7, ""}, {2, 0, " "}});
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 772, 486);

    const TDrawnMark* mark = FindMark(layout, bars, 1);
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->Text, "7");
    const TRect bar = bars.BarRect(layout, layout.Of(bars), 1);
    const int centre = (bar.Left + bar.Right - 1) / 2;  // columns Left .. Left + BarSize
    EXPECT_EQ(mark->Position.Left + mark->Position.Width / 2, centre);
    EXPECT_EQ(mark->Position.Top + mark->Position.Height - 1, bar.Top - 5);
    EXPECT_EQ(mark->Position.ArrowFrom, (TPoint{centre, bar.Top}));
    EXPECT_EQ(mark->Position.ArrowTo, (TPoint{centre, bar.Top - 5}));
    // The empty class shows only its blank box, below the origin.
    const TDrawnMark* blank = FindMark(layout, bars, 2);
    ASSERT_NE(blank, nullptr);
    EXPECT_EQ(blank->Text, " ");
    EXPECT_GT(blank->Position.Top, bars.BarRect(layout, layout.Of(bars), 2).Top);
}

TEST(BarMarks, AutomaticVerticalAxisLeavesRoomForTheMarks)
{
    TChart chart;
    LayOutPlain(chart);
    auto& bars = AddBars(chart, {{0, 3, ""}, {1, 7, ""}});
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 772, 486);
    // Mark height 13 + connector 5 + frame 2 + 1 above the tallest bar.
    EXPECT_EQ(layout.Axis(akLeft).CalcPosValue(7), layout.Axis(akLeft).Scale.StartPos + 21);
    EXPECT_EQ(layout.Axis(akLeft).CalcPosValue(0), layout.Axis(akLeft).Scale.EndPos);
    (void)bars;
}

TEST(BarMarks, EqualNeighbourMovesDownBelowTheFirst)
{
    TChart chart;
    LayOutPlain(chart);
    auto& bars = AddBars(chart, {{0, 5, ""}, {0.05, 5, ""}, {10, 1, ""}});
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 772, 486);

    const TMarkPosition first = FindMark(layout, bars, 0)->Position;
    const TMarkPosition second = FindMark(layout, bars, 1)->Position;
    const TRect firstRect = bars.Marks().OverlapRect(first);
    EXPECT_EQ(firstRect.Bottom, first.Top + 15 + 2);  // frame width and shadow size
    EXPECT_EQ(second.Top, firstRect.Bottom);
    EXPECT_EQ(second.ArrowTo.Y, bars.PointPixel(layout, 1).Y - 5 + 17);
    EXPECT_EQ(second.ArrowFrom.Y, bars.PointPixel(layout, 1).Y);
}

TEST(BarMarks, TallerNeighbourMovesUpAboveTheFirst)
{
    TChart chart;
    LayOutPlain(chart);
    auto& bars = AddBars(chart, {{0, 5, ""}, {0.05, 5.2, ""}, {10, 1, ""}});
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 772, 486);

    const TMarkPosition first = FindMark(layout, bars, 0)->Position;
    const TMarkPosition second = FindMark(layout, bars, 1)->Position;
    ASSERT_LT(bars.PointPixel(layout, 1).Y, bars.PointPixel(layout, 0).Y);
    EXPECT_EQ(bars.Marks().OverlapRect(second).Bottom, first.Top);
}

TEST(BarMarks, BlankBoxOfAnEmptyClassTakesPartInOverlap)
{
    TChart chart;
    LayOutPlain(chart);
    auto& bars = AddBars(chart, {{0, 0, " "}, {0.05, 0, ""}, {10, 1, ""}});
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 772, 486);
    const TMarkPosition blank = FindMark(layout, bars, 0)->Position;
    const TMarkPosition zero = FindMark(layout, bars, 1)->Position;
    EXPECT_EQ(zero.Top, bars.Marks().OverlapRect(blank).Bottom);
}

TEST(BarMarks, EveryOverlappingEarlierMarkAddsItsShift)
{
    TChart chart;
    LayOutPlain(chart);
    auto& bars = AddBars(chart, {{0, 5, ""}, {0.05, 5, ""}, {0.1, 5, ""}, {10, 1, ""}});
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 772, 486);
    const int top0 = FindMark(layout, bars, 0)->Position.Top;
    EXPECT_EQ(FindMark(layout, bars, 1)->Position.Top, top0 + 17);
    // The third overlaps only the first at its original place: R is not
    // recomputed after a move, so the second one no longer counts.
    EXPECT_EQ(FindMark(layout, bars, 2)->Position.Top, top0 + 17);
}

TEST(MarkGroups, LabelsOfOneGroupMoveDownUntilTheyNoLongerTouch)
{
    TChart chart;
    LayOutPlain(chart);
    FixLayout(chart);
    chart.LeftAxis().SetAutomatic(false);
    chart.LeftAxis().SetMaximum(20);
    chart.LeftAxis().SetMinimum(0);
    const auto addLine = [&](double value, int group) -> TFastLineSeries& {
        auto& line = chart.CreateSeries<TFastLineSeries>();
        line.SetParentChart(&chart);
        line.Marks().SetVisible(true);
        line.Marks().SetTransparent(true);
        line.Marks().SetOverlapGroup(group);
        line.AddPoint(0, value, " ");
        line.AddPoint(6, value);
        return line;
    };
    // Drawn middle, top, bottom: the order on the chart decides who moves.
    TFastLineSeries& middle = addLine(10, 1);
    TFastLineSeries& top = addLine(10.2, 1);
    TFastLineSeries& bottom = addLine(9.9, 1);
    TFastLineSeries& apart = addLine(10.1, 0);  // in no group
    TFastLineSeries& other = addLine(10.1, 2);  // alone in its group
    TRecordingCanvas canvas;
    TChartLayout layout = Paint(chart, canvas, 729, 200);

    const auto box = [&](const TChartSeries& line) { return layout.Of(line).Marks.at(1).Position; };
    const auto onLine = [&](const TChartSeries& line) {
        return box(line).Top + box(line).Height - 1 + 8 == line.PointPixel(layout, 1).Y;
    };
    EXPECT_TRUE(onLine(top));
    EXPECT_EQ(box(middle).Top, box(top).Top + box(top).Height);
    EXPECT_EQ(box(bottom).Top, box(middle).Top + box(middle).Height);
    EXPECT_EQ(box(bottom).ArrowTo.Y, box(bottom).Top + box(bottom).Height - 1);
    EXPECT_EQ(bottom.Marks().StoredPosition(1), box(bottom));
    EXPECT_TRUE(onLine(apart));
    EXPECT_TRUE(onLine(other));
    // Blank marks show nothing and stay.
    for (const TChartSeries* line : {&middle, &top, &bottom}) {
        const TMarkPosition& blank = layout.Of(*line).Marks.at(0).Position;
        EXPECT_EQ(blank.Top + blank.Height - 1 + 8, line->PointPixel(layout, 0).Y);
    }
    // The texts are painted where the boxes went.
    const std::vector<TCanvasOp> texts = canvas.TextOps("9.9");
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back().Points.at(0).Y, box(bottom).Top + 1);
}
