#include "ChartSeries.h"

#include <algorithm>

#include "Chart.h"

const TColor DefaultPalette[20] = {
    255,   32768, 65535,   16711680, 16777215, 8421504, 16711935, 8421376,  8388608,  128,
    65280, 32896, 8388736, 12632256, 16776960, 0,       12639424, 15780518, 15793151, 10789024,
};

namespace {
const std::string NoLabel;
}

TChartSeries::TChartSeries(TChart* owner, bool marksVisible, int marksArrowLength)
    : owner_(owner),
      marks_(*this, marksVisible, marksArrowLength)
{
    pen_.SetOnChange([this] { Repaint(); });
}

TChartSeries::~TChartSeries()
{
    if (parent_)
        parent_->Leave(*this);
}

void TChartSeries::Repaint() const
{
    if (parent_ && active_ && !parent_->Destroying())
        parent_->Invalidate();
}

int TChartSeries::AddPoint(double x, double y, std::string_view label, TColor color)
{
    const std::size_t index = xValues_.InsertionIndex(x);
    xValues_.InsertAt(index, x);
    yValues_.InsertAt(index, y);

    if (!colors_.empty()) {
        colors_.insert(colors_.begin() + static_cast<std::ptrdiff_t>(index), color);
    } else if (color != DefaultColorMarker) {
        colors_.assign(Count() - 1, DefaultColorMarker);
        colors_.insert(colors_.begin() + static_cast<std::ptrdiff_t>(index), color);
    }

    if (!label.empty() || !labels_.empty()) {
        if (labels_.size() < index)
            labels_.resize(index);
        labels_.insert(labels_.begin() + static_cast<std::ptrdiff_t>(index), std::string(label));
    }

    Repaint();
    return static_cast<int>(index);
}

void TChartSeries::ReservePoints(std::size_t count)
{
    xValues_.Reserve(count);
    yValues_.Reserve(count);
    colors_.reserve(count);
}

void TChartSeries::ClearPoints()
{
    xValues_.Clear();
    yValues_.Clear();
    colors_.clear();
    labels_.clear();
    marks_.ClearPositions();
    Repaint();
}

const std::string& TChartSeries::Label(std::size_t index) const
{
    return index < labels_.size() ? labels_[index] : NoLabel;
}

bool TChartSeries::HasNonEmptyLabel() const
{
    for (const std::string& label : labels_)
        if (!label.empty())
            return true;
    return false;
}

TColor TChartSeries::StoredColor(std::size_t index) const
{
    return index < colors_.size() ? colors_[index] : DefaultColorMarker;
}

TColor TChartSeries::ValueColor(std::size_t index) const
{
    const TColor stored = StoredColor(index);
    if (stored != DefaultColorMarker)
        return stored;
    if (colorEachPoint_)
        return DefaultPalette[index % std::size(DefaultPalette)];
    return Color();
}

void TChartSeries::SetSeriesColor(TColor value)
{
    if (seriesColor_ == DefaultColorMarker && value == assignedColor_)
        return;
    seriesColor_ = value;
    assignedColor_ = value;
    Repaint();
}

void TChartSeries::SetColorEachPoint(bool value)
{
    if (colorEachPoint_ != value) {
        colorEachPoint_ = value;
        Repaint();
    }
}

void TChartSeries::SetHorizAxis(THorizAxis value)
{
    if (horizAxis_ != value) {
        horizAxis_ = value;
        Repaint();
    }
}

void TChartSeries::SetVertAxis(TVertAxis value)
{
    if (vertAxis_ != value) {
        vertAxis_ = value;
        Repaint();
    }
}

TChartAxis* TChartSeries::GetHorizAxis() const
{
    if (!parent_)
        return nullptr;
    return &parent_->Axis(HorizAxisKind());
}

TChartAxis* TChartSeries::GetVertAxis() const
{
    if (!parent_)
        return nullptr;
    return &parent_->Axis(VertAxisKind());
}

bool TChartSeries::UsesAxis(const TChartAxis& axis) const { return &axis == GetHorizAxis() || &axis == GetVertAxis(); }

void TChartSeries::SetActive(bool value)
{
    if (active_ != value) {
        active_ = value;
        if (parent_)
            parent_->Invalidate();
    }
}

void TChartSeries::SetValueFormat(const std::string& value)
{
    if (valueFormat_ != value) {
        valueFormat_ = value;
        Repaint();
    }
}

void TChartSeries::SetParentChart(TChart* chart)
{
    if (chart == parent_)
        return;
    if (parent_)
        parent_->Leave(*this);
    if (chart)
        chart->Join(*this);
}

void TChartSeries::AttachTo(TChart* chart, TColor assigned)
{
    parent_ = chart;
    if (seriesColor_ == DefaultColorMarker) {
        assignedColor_ = assigned;
        OnColorAssigned(assigned);
    }
}

void TChartSeries::DetachFromParent() { parent_ = nullptr; }

void TChartSeries::CalcHorizMargins(const TSeriesLayout&, int& left, int& right) const { left = right = 0; }
void TChartSeries::CalcVerticalMargins(const TSeriesLayout&, int& top, int& bottom) const { top = bottom = 0; }

TPoint TChartSeries::PointPixel(const TChartLayout& chart, std::size_t index) const
{
    return {chart.Axis(HorizAxisKind()).CalcPosValue(xValues_[index]),
            chart.Axis(VertAxisKind()).CalcPosValue(yValues_[index])};
}

void TChartSeries::CalcFirstLastVisible(const TChartLayout& chart, TSeriesLayout& layout) const
{
    layout.FirstVisible = layout.LastVisible = -1;
    const int count = static_cast<int>(Count());
    if (count == 0)
        return;
    if (xValues_.Order() == loNone) {
        layout.FirstVisible = 0;
        layout.LastVisible = count - 1;
        return;
    }
    const TAxisScale& horiz = chart.Axis(HorizAxisKind()).Scale;
    const double leftValue = horiz.CalcPosPoint(chart.PlotRect.Left);
    const double rightValue = horiz.CalcPosPoint(chart.PlotRect.Right);
    // First point whose X is >= the value: a binary search on an ascending
    // list, a walk otherwise.
    const auto firstAtLeast = [&](double value, int from) {
        const std::vector<double>& xs = xValues_.Values();
        if (xValues_.Order() == loAscending)
            return static_cast<int>(std::lower_bound(xs.begin() + from, xs.end(), value) - xs.begin());
        while (from < count && !(xs[from] >= value))
            ++from;
        return from;
    };
    const int first = firstAtLeast(leftValue, 0);
    if (first == count)
        return;
    layout.FirstVisible = first;
    if (xValues_.Last() > rightValue) {
        const int last = firstAtLeast(rightValue, first);
        layout.LastVisible = last < count ? last : count - 1;
    } else {
        layout.LastVisible = count - 1;
    }
}

void TChartSeries::CalcVisiblePart(TTextMeasurer& measurer, const TChartLayout& chart, TSeriesLayout& layout)
{
    CalcFirstLastVisible(chart, layout);
    marks_.CalcPositions(measurer, chart, layout);
}

void TChartSeries::Draw(TCanvas& canvas, const TChartLayout& chart, const TSeriesLayout& layout) const
{
    const TRect& plotRect = chart.PlotRect;
    const bool clip = parent_ && parent_->ClipPoints();
    if (clip)
        canvas.ClipRectangle({plotRect.Left, plotRect.Top, plotRect.Right, plotRect.Bottom + 1});
    if (layout.FirstVisible >= 0)
        DrawAllValues(canvas, chart, layout);
    if (clip)
        canvas.UnClipRectangle();
    marks_.Draw(canvas, layout);
}

void TChartSeries::PlaceMark(const TChartLayout&, const TSeriesLayout&, TMarkPosition& position, std::size_t) const
{
    const int length = marks_.ArrowLength() + marks_.CalloutDistance();
    position.Top -= length;
    position.ArrowTo.Y -= length;
    position.ArrowFrom.Y -= marks_.CalloutDistance();
}
