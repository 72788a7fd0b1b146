#include "ChartAxis.h"

#include <algorithm>
#include <cmath>

#include "Chart.h"
#include "Errors.h"
#include "Extended.h"
#include "NumberText.h"

TChartAxis::TChartAxis(TChart& chart, TAxisKind kind) : chart_(chart), kind_(kind)
{
    for (TChangeLink* link :
         std::initializer_list<TChangeLink*>{&labelsFont_, &axisPen_, &ticks_, &minorTicks_, &ticksInner_, &grid_})
        link->SetOnChange([this] { Changed(); });
}

void TChartAxis::Changed() { chart_.Invalidate(); }

// --- Properties

void TChartAxis::SetAutomatic(bool value)
{
    if (automatic_ == value && automaticMinimum_ == value && automaticMaximum_ == value)
        return;
    automatic_ = automaticMinimum_ = automaticMaximum_ = value;
    Changed();
}

void TChartAxis::SetAutomaticMinimum(bool value)
{
    Set(automaticMinimum_, value);
    if (!value)
        Set(automatic_, false);
}

void TChartAxis::SetAutomaticMaximum(bool value)
{
    Set(automaticMaximum_, value);
    if (!value)
        Set(automatic_, false);
}

void TChartAxis::SetMinimum(double value)
{
    if (!chart_.Loading() && value > maximum_)
        throw AxisException("Axis Minimum Value must be <= Maximum");
    Set(minimum_, value);
}

void TChartAxis::SetMaximum(double value)
{
    if (!chart_.Loading() && value < minimum_)
        throw AxisException("Axis Maximum Value must be >= Minimum");
    Set(maximum_, value);
}

void TChartAxis::SetMinimumOffset(int value) { Set(minimumOffset_, value); }
void TChartAxis::SetMaximumOffset(int value) { Set(maximumOffset_, value); }
void TChartAxis::SetStartPosition(double value) { Set(startPosition_, value); }
void TChartAxis::SetEndPosition(double value) { Set(endPosition_, value); }

void TChartAxis::SetIncrement(double value)
{
    if (value < 0)
        throw AxisException("Axis increment must be >= 0");
    Set(increment_, value);
}

void TChartAxis::SetLabelsSeparation(int value)
{
    if (value < 0)
        throw AxisException("Labels Separation % must be greater than 0");
    Set(labelsSeparation_, value);
}

void TChartAxis::SetLabelStyle(TAxisLabelStyle value) { Set(labelStyle_, value); }
void TChartAxis::SetAxisValuesFormat(const std::string& value) { Set(axisValuesFormat_, value); }
void TChartAxis::SetRoundFirstLabel(bool value) { Set(roundFirstLabel_, value); }
void TChartAxis::SetLabelsOnAxis(bool value) { Set(labelsOnAxis_, value); }
void TChartAxis::SetTickOnLabelsOnly(bool value) { Set(tickOnLabelsOnly_, value); }
void TChartAxis::SetLabels(bool value) { Set(labels_, value); }
void TChartAxis::SetLabelsSize(int value) { Set(labelsSize_, value); }
void TChartAxis::SetTickLength(int value) { Set(tickLength_, value); }
void TChartAxis::SetMinorTickLength(int value) { Set(minorTickLength_, value); }
void TChartAxis::SetMinorTickCount(int value) { Set(minorTickCount_, value); }
void TChartAxis::SetTickInnerLength(int value) { Set(tickInnerLength_, value); }
void TChartAxis::SetVisible(bool value) { Set(visible_, value); }

// --- Series that use the axis

std::vector<TChartSeries*> TChartAxis::SeriesUsingAxis() const
{
    std::vector<TChartSeries*> result;
    for (TChartSeries* series : chart_.SeriesList())
        if (series->Active() && series->UsesAxis(*this))
            result.push_back(series);
    return result;
}

TAxisLabelStyle TChartAxis::EffectiveLabelStyle() const
{
    if (labelStyle_ != talAuto)
        return labelStyle_;
    const std::vector<TChartSeries*> users = SeriesUsingAxis();
    if (users.empty())
        return talNone;
    if (Horizontal())
        for (const TChartSeries* series : users)
            if (series->GetHorizAxis() == this && series->HasNonEmptyLabel())
                return talText;
    return talValue;
}

std::string TChartAxis::LabelText(double value) const { return PatternNumberText(axisValuesFormat_, value); }

// --- Layout

bool TChartAxis::ShownInPaint() const
{
    return chart_.AxisVisible() && visible_ && (!chart_.HasActiveSeries() || !SeriesUsingAxis().empty());
}

void TChartAxis::CalcAutomaticRange(TAxisScale& scale)
{
    const bool autoMinimum = automatic_ || automaticMinimum_;
    const bool autoMaximum = automatic_ || automaticMaximum_;
    if (autoMinimum || autoMaximum) {
        bool found = false;
        double low = 0, high = 0;
        for (const TChartSeries* series : SeriesUsingAxis()) {
            if (series->Count() == 0)
                continue;
            const bool alongX = Horizontal();
            if (alongX ? series->GetHorizAxis() != this : series->GetVertAxis() != this)
                continue;
            const double seriesLow = alongX ? series->MinXValue() : series->MinYValue();
            const double seriesHigh = alongX ? series->MaxXValue() : series->MaxYValue();
            if (!found) {
                low = seriesLow;
                high = seriesHigh;
                found = true;
            } else {
                if (seriesLow < low)
                    low = seriesLow;
                if (seriesHigh > high)
                    high = seriesHigh;
            }
        }
        if (autoMinimum)
            minimum_ = low;
        if (autoMaximum)
            maximum_ = high;
    }
    scale.Horizontal = Horizontal();
    scale.SetWorkRange(minimum_, maximum_);
}

int TChartAxis::LabelSize(TTextMeasurer& measurer, double value) const
{
    if (Horizontal())
        return measurer.TextWidth(LabelText(value));
    return measurer.TextHeight("W");
}

double TChartAxis::CalcLabelStep(TTextMeasurer& measurer, const TAxisScale& scale) const
{
    measurer.SetFont(labelsFont_.Spec());
    const double low = scale.WorkMinimum;
    const double high = scale.WorkMaximum;
    int size = std::max(LabelSize(measurer, high), LabelSize(measurer, low));
    if (increment_ == 0) {
        size = std::max(size, LabelSize(measurer, static_cast<double>((static_cast<long double>(high) + low) * 0.5L)));
    } else {
        size = std::max(size, LabelSize(measurer, static_cast<double>(static_cast<long double>(low) + increment_)));
        size = std::max(size, LabelSize(measurer, static_cast<double>(static_cast<long double>(high) - increment_)));
    }

    TLabelStepInput input;
    input.AxisSize = scale.AxisSize();
    input.LabelSize = size;
    input.LabelsSeparation = labelsSeparation_;
    input.Increment = increment_;
    input.WorkRange = scale.WorkRange;
    for (const TChartSeries* series : SeriesUsingAxis())
        if (series->GetHorizAxis() == this && Horizontal())
            if (!input.FewestXPoints || series->Count() < *input.FewestXPoints)
                input.FewestXPoints = series->Count();
    return LabelStep(input);
}

int TChartAxis::VerticalLabelsWidth(TTextMeasurer& measurer, const TAxisScale& scale) const
{
    const TAxisLabelStyle style = EffectiveLabelStyle();
    if (style == talNone)
        return 0;
    if (style == talText || style == talMark) {
        measurer.SetFont(labelsFont_.Spec());
        int widest = 0;
        for (const TChartSeries* series : SeriesUsingAxis())
            for (std::size_t i = 0; i < series->Count(); ++i)
                widest = std::max(
                    widest, measurer.TextWidth(style == talText ? series->Label(i) : series->Marks().MarkText(i)));
        return widest;
    }
    const double step = CalcLabelStep(measurer, scale);
    double low = scale.WorkMinimum;
    double high = scale.WorkMaximum;
    if (roundFirstLabel_) {
        low = RoundToStep(low, step);
        high = RoundToStep(high, step);
    }
    return std::max(measurer.TextWidth(LabelText(low)), measurer.TextWidth(LabelText(high))) + measurer.TextWidth(" ");
}

void TChartAxis::ReserveBands(TRect& rect, TTextMeasurer& measurer, TAxisLayout& layout) const
{
    int labelBand = 0;
    if (labels_) {
        if (labelsSize_ != 0) {
            labelBand = labelsSize_;
        } else if (Horizontal()) {
            measurer.SetFont(labelsFont_.Spec());
            labelBand = measurer.TextHeight("W");
        } else {
            // The horizontal bands are already off the rectangle, so its
            // height is the vertical axis size the labels will get.
            CalcPositions(rect, layout);
            labelBand = VerticalLabelsWidth(measurer, layout.Scale);
        }
    }

    int tickBand = 0;
    if (axisPen_.Visible())
        tickBand += axisPen_.Width() + 1;
    if (ticks_.Visible())
        tickBand += tickLength_;
    if (minorTicks_.Visible() && minorTickLength_ > tickBand)
        tickBand = minorTickLength_;

    const auto takeOff = [&](int thickness) {
        switch (kind_) {
        case akBottom: rect.Bottom -= thickness; return rect.Bottom;
        case akTop: rect.Top += thickness; return rect.Top;
        case akLeft: rect.Left += thickness; return rect.Left;
        case akRight: rect.Right -= thickness; return rect.Right;
        }
        return 0;
    };
    layout.LabelsPos = takeOff(labelBand);
    takeOff(tickBand);
}

void TChartAxis::CalcPositions(const TRect& plotRect, TAxisLayout& layout) const
{
    const int origin = Horizontal() ? plotRect.Left : plotRect.Top;
    const long double size = Horizontal() ? plotRect.Width() : plotRect.Height();
    layout.Scale.StartPos = origin + static_cast<int>(RoundHalfEven(size * startPosition_ / 100));
    layout.Scale.EndPos = origin + static_cast<int>(RoundHalfEven(size * endPosition_ / 100));
    switch (kind_) {
    case akBottom: layout.AxisPos = plotRect.Bottom; break;
    case akTop: layout.AxisPos = plotRect.Top; break;
    case akLeft: layout.AxisPos = plotRect.Left; break;
    case akRight: layout.AxisPos = plotRect.Right; break;
    }
}

TAxisScale TChartAxis::WidenedScale(const TChartLayout& layout, const TChartSeries* replaced, int replacedFirst,
                                    int replacedSecond) const
{
    const bool autoMinimum = automatic_ || automaticMinimum_;
    const bool autoMaximum = automatic_ || automaticMaximum_;
    // Left and right count on automatic ends of a horizontal axis, top and
    // bottom on a vertical one: the top belongs to the maximum.
    const bool firstCounts = Horizontal() ? autoMinimum : autoMaximum;
    const bool secondCounts = Horizontal() ? autoMaximum : autoMinimum;
    int first = 0, second = 0;
    for (const TChartSeries* series : SeriesUsingAxis()) {
        if ((Horizontal() ? series->GetHorizAxis() : series->GetVertAxis()) != this)
            continue;
        int asked1 = replacedFirst, asked2 = replacedSecond;
        if (series != replaced) {
            const TSeriesLayout& own = layout.Of(*series);
            if (Horizontal())
                series->CalcHorizMargins(own, asked1, asked2);
            else
                series->CalcVerticalMargins(own, asked1, asked2);
        }
        if (firstCounts)
            first = std::max(first, asked1);
        if (secondCounts)
            second = std::max(second, asked2);
    }
    if (Horizontal()) {
        first += minimumOffset_;
        second += maximumOffset_;
    } else {
        first += maximumOffset_;
        second += minimumOffset_;
    }
    TAxisScale scale = layout.Axis(kind_).Scale;
    if (first != 0 || second != 0)
        scale.WidenByMargins(first, second);
    return scale;
}
