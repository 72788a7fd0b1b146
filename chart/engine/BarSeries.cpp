#include "BarSeries.h"

#include <algorithm>
#include <vector>

#include "Chart.h"
#include "Extended.h"

TBarSeries::TBarSeries(TChart* owner) : TChartSeries(owner, true, 20) {}

void TBarSeries::SetBarWidthPercent(int value) { Set(barWidthPercent_, value); }
void TBarSeries::SetSideMargins(bool value) { Set(sideMargins_, value); }
void TBarSeries::SetMultiBar(TMultiBar value) { Set(multiBar_, value); }
void TBarSeries::SetUseYOrigin(bool value) { Set(useYOrigin_, value); }
void TBarSeries::SetYOrigin(double value) { Set(yOrigin_, value); }
void TBarSeries::SetCustomBarWidth(int value) { Set(customBarWidth_, value); }
void TBarSeries::SetAutoBarSize(bool value) { Set(autoBarSize_, value); }
void TBarSeries::SetOffsetPercent(int value) { Set(offsetPercent_, value); }
void TBarSeries::SetAutoMarkPosition(bool value) { Set(autoMarkPosition_, value); }
void TBarSeries::SetBarBrushColor(TColor value) { Set(barBrushColor_, value); }
void TBarSeries::SetKeepApart(bool value) { Set(keepApart_, value); }

void TBarSeries::PrepareLayout(TTextMeasurer& measurer, TSeriesLayout& layout) const
{
    measurer.SetFont(Marks().Font().Spec());
    layout.MarkLineHeight = measurer.TextHeight("W");
    TBarLayout& bars = layout.Bars;
    bars = {};
    const TChart* chart = ParentChart();
    if (!chart)
        return;
    for (const TChartSeries* other : chart->SeriesList()) {
        if (!other->Active() || std::string_view(other->ClassName()) != ClassName())
            continue;
        const auto* otherBars = static_cast<const TBarSeries*>(other);
        if (otherBars->multiBar_ == mbSide || bars.NumBars == 0)
            ++bars.NumBars;
        if (other == this)
            bars.Position = bars.NumBars;
        bars.MaxPoints = std::max(bars.MaxPoints, static_cast<int>(other->Count()));
    }
    if (sideMargins_ && bars.MaxPoints > 0)
        ++bars.MaxPoints;
}

void TBarSeries::CalcSizesFromAxes(const TChartLayout& chart, TSeriesLayout& layout) const
{
    TBarLayout& bars = layout.Bars;
    if (customBarWidth_ != 0) {
        bars.Size = customBarWidth_;
        return;
    }
    const TChartAxis* axis = GetHorizAxis();
    if (bars.MaxPoints <= 0 || !axis || bars.NumBars <= 0) {
        bars.Size = 0;
        return;
    }
    const int axisSize = chart.Axis(HorizAxisKind()).Scale.AxisSize();
    int64_t room;
    if (autoBarSize_) {
        const long double span = static_cast<long double>(axis->Maximum()) + 2 - axis->Minimum();
        room = span > 0 ? RoundHalfEven(axisSize / span) : 0;
    } else {
        room = axisSize / bars.MaxPoints;
    }
    int size = static_cast<int>(RoundHalfEven(barWidthPercent_ * 0.01L * room) / bars.NumBars);
    if (size % 2 != 0)
        ++size;
    bars.Size = keepApart_ ? SizeKeptApart(chart, bars, size) : size;
}

// Points on one pixel stand on each other at any width and are passed over;
// a slot of the bar series side by side covers numBars x size + 1 columns.
int TBarSeries::SizeKeptApart(const TChartLayout& chart, const TBarLayout& bars, int size) const
{
    std::vector<int> pixels(Count());
    for (; size > 0; size -= 2) {
        const int margin = HorizMargin(bars, size);
        const TPixelMap pixel(GetHorizAxis()->WidenedScale(chart, this, margin, margin));
        for (std::size_t i = 0; i < Count(); ++i)
            pixels[i] = pixel(XValues()[i]);
        std::sort(pixels.begin(), pixels.end());
        bool apart = true;
        for (std::size_t i = 1; i < pixels.size() && apart; ++i)
            apart = pixels[i] == pixels[i - 1] || pixels[i] - pixels[i - 1] > size * bars.NumBars;
        if (apart)
            return size;
    }
    return 0;
}

int TBarSeries::HorizMargin(const TBarLayout& bars, int barSize) const
{
    const int margin = barSize * bars.NumBars;
    return sideMargins_ ? margin : margin / 2;
}

void TBarSeries::CalcHorizMargins(const TSeriesLayout& layout, int& left, int& right) const
{
    left = right = HorizMargin(layout.Bars, layout.Bars.Size);
}

void TBarSeries::CalcVerticalMargins(const TSeriesLayout& layout, int& top, int& bottom) const
{
    top = bottom = 0;
    if (!Marks().Visible() || Count() == 0 || !ParentChart())
        return;
    // Room for the marks beyond the bar ends, on the side away from the origin.
    const int frame = Marks().Frame().Visible() ? 2 * Marks().Frame().Width() : 0;
    const int markHeight = layout.MarkLineHeight + Marks().ArrowLength() + frame + 1;
    if (YValues().MaxValue() > yOrigin_)
        top = markHeight;
    if (YValues().MinValue() < yOrigin_)
        bottom = markHeight;
}

double TBarSeries::MinYValue() const
{
    const double low = TChartSeries::MinYValue();
    return useYOrigin_ ? std::min(low, yOrigin_) : low;
}

double TBarSeries::MaxYValue() const
{
    const double high = TChartSeries::MaxYValue();
    return useYOrigin_ ? std::max(high, yOrigin_) : high;
}

int TBarSeries::OriginPixel(const TChartLayout& chart) const
{
    const TAxisLayout& axis = chart.Axis(VertAxisKind());
    return useYOrigin_ ? axis.CalcPosValue(yOrigin_) : axis.Scale.EndPos;
}

TRect TBarSeries::BarRect(const TChartLayout& chart, const TSeriesLayout& layout, std::size_t index) const
{
    const TBarLayout& bars = layout.Bars;
    const TPoint point = PointPixel(chart, index);
    const long double slot = bars.Position - bars.NumBars * 0.5L - 1;
    TRect rect;
    rect.Left = point.X + static_cast<int>(RoundHalfEven(slot * bars.Size));
    if (offsetPercent_ != 0)
        rect.Left += static_cast<int>(RoundHalfEven(offsetPercent_ * static_cast<long double>(bars.Size) * 0.01L));
    rect.Right = rect.Left + bars.Size + 1;
    if (barWidthPercent_ == 100 && customBarWidth_ == 0 && index + 1 < Count()) {
        const TPoint next = PointPixel(chart, index + 1);
        rect.Right = next.X + static_cast<int>(RoundHalfEven(slot * bars.Size));
    }
    rect.Top = point.Y;
    rect.Bottom = OriginPixel(chart);
    return rect;
}

void TBarSeries::DrawAllValues(TCanvas& canvas, const TChartLayout& chart, const TSeriesLayout& layout) const
{
    const bool penVisible = Pen().Visible();
    for (int i = layout.FirstVisible; i <= layout.LastVisible; ++i) {
        const std::size_t index = static_cast<std::size_t>(i);
        if (IsNull(index))
            continue;
        const TColor fill = barBrushColor_ == DefaultColorMarker ? ValueColor(index) : barBrushColor_;
        TRect rect = BarRect(chart, layout, index);
        const bool rises = rect.Bottom >= rect.Top;
        if (!penVisible) {
            ++rect.Right;
            if (rises)
                ++rect.Bottom;
            else
                --rect.Bottom;
        }
        if (!rises)
            std::swap(rect.Top, rect.Bottom);

        if (rect.Height() == 0 || rect.Width() == 0) {
            canvas.SetPen({fill, 1, psSolid, esRound});
            canvas.Line(rect.Left, rect.Top, rect.Right, rect.Bottom);
        } else if (penVisible && rect.Width() - 1 < Pen().Width()) {
            canvas.SetPen(Pen().SpecWithColor(fill));
            canvas.SetBrush({true, fill});
            canvas.Rectangle(rect);
        } else {
            canvas.SetPen(Pen().Spec());
            canvas.SetBrush({false, fill});
            canvas.Rectangle(rect);
        }
    }
}

void TBarSeries::PlaceMark(const TChartLayout& chart, const TSeriesLayout& layout, TMarkPosition& position,
                           std::size_t index) const
{
    // The anchor is the bar's left edge; half a bar to the right centres
    // the mark over the bar.
    const TPoint point = PointPixel(chart, index);
    const int shift = BarRect(chart, layout, index).Left - point.X + layout.Bars.Size / 2;
    position.Left += shift;
    position.ArrowFrom.X += shift;
    position.ArrowTo.X += shift;

    const int length = Marks().ArrowLength() + Marks().CalloutDistance();
    if (OriginPixel(chart) > point.Y) {
        position.ArrowFrom.Y -= Marks().CalloutDistance();
        position.Top -= length;
        position.ArrowTo.Y -= length;
    } else {
        position.ArrowFrom.Y += Marks().CalloutDistance();
        position.Top += length + position.Height;
        position.ArrowTo.Y += length + position.Height;
    }
    if (autoMarkPosition_)
        AvoidOverlap(layout, position, index);
}

void TBarSeries::AvoidOverlap(const TSeriesLayout& layout, TMarkPosition& position, std::size_t index) const
{
    const TRect mine = Marks().OverlapRect(position);
    for (int j = layout.FirstVisible; j >= 0 && static_cast<std::size_t>(j) < index; ++j) {
        const std::optional<TMarkPosition>& other = Marks().StoredPosition(static_cast<std::size_t>(j));
        if (!other)
            continue;
        const TRect theirs = Marks().OverlapRect(*other);
        const bool overlap = mine.Left < theirs.Right && theirs.Left < mine.Right && mine.Top < theirs.Bottom &&
                             theirs.Top < mine.Bottom;
        if (!overlap)
            continue;
        const int shift = mine.Top < theirs.Top ? mine.Bottom - theirs.Top : mine.Top - theirs.Bottom;
        position.Top -= shift;
        position.ArrowTo.Y -= shift;
    }
}
