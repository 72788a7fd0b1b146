// The layout half of an axis's labels and ticks: the division the drawing
// paints, computed once the axis has its final pixels and range.
#include "ChartAxis.h"

#include "Chart.h"
#include "Extended.h"

TAxisDivision TChartAxis::CalcDivision(TTextMeasurer& measurer, const TAxisScale& scale) const
{
    TAxisDivision division;
    if (labels_) {
        const TAxisLabelStyle style = EffectiveLabelStyle();
        if (style == talValue)
            DivideByValues(measurer, scale, division);
        else if (style == talText || style == talMark)
            DivideByPoints(measurer, scale, division, style);
    }
    CalcMinorTicks(scale, division);
    return division;
}

void TChartAxis::DivideByValues(TTextMeasurer& measurer, const TAxisScale& scale, TAxisDivision& division) const
{
    division.Step = CalcLabelStep(measurer, scale);
    division.LabelHeight = measurer.TextHeight("W");
    for (double value :
         LabelValues(scale.WorkMinimum, scale.WorkMaximum, scale.WorkRange, division.Step, roundFirstLabel_)) {
        const int pos = scale.CalcPosValue(value);
        const bool used = labelsOnAxis_ || (pos > scale.StartPos && pos < scale.EndPos);
        if (used || !tickOnLabelsOnly_)
            division.Ticks.push_back(pos);
        if (used)
            division.Labels.push_back({value, LabelText(value), pos});
    }
}

// Point labels (or mark texts) at the X of every point of the series that use
// the axis along their X values.
void TChartAxis::DivideByPoints(TTextMeasurer& measurer, const TAxisScale& scale, TAxisDivision& division,
                                TAxisLabelStyle style) const
{
    measurer.SetFont(labelsFont_.Spec());
    division.LabelHeight = measurer.TextHeight("W");
    for (const TChartSeries* series : SeriesUsingAxis()) {
        if (Horizontal() ? series->GetHorizAxis() != this : series->GetVertAxis() != this)
            continue;
        const TChartValueList& values = Horizontal() ? series->XValues() : series->YValues();
        for (std::size_t i = 0; i < series->Count(); ++i) {
            std::string text = style == talText ? series->Label(i) : series->Marks().MarkText(i);
            if (text.empty())
                continue;
            const int pos = scale.CalcPosValue(values[i]);
            if (!labelsOnAxis_ && !(pos > scale.StartPos && pos < scale.EndPos))
                continue;
            division.Ticks.push_back(pos);
            division.Labels.push_back({values[i], std::move(text), pos});
        }
    }
}

// Minor ticks divide every gap between two ticks evenly, and continue with
// the first gap's spacing before the first tick and after the last one.
void TChartAxis::CalcMinorTicks(const TAxisScale& scale, TAxisDivision& division) const
{
    const std::vector<int>& ticks = division.Ticks;
    if (ticks.size() < 2 || minorTickCount_ <= 0)
        return;
    const auto add = [&](int pos) {
        if (pos > scale.StartPos && pos < scale.EndPos)
            division.MinorTicks.push_back(pos);
    };
    const long double parts = minorTickCount_ + 1;
    const int first = ticks.front();
    const int last = ticks.back();
    const long double spacing = (ticks[1] - first) / parts;
    for (int j = 1; j <= minorTickCount_; ++j) {
        const int offset = static_cast<int>(RoundHalfEven(j * spacing));
        add(first - offset);
        add(last + offset);
    }
    for (std::size_t i = 0; i + 1 < ticks.size(); ++i) {
        const int a = ticks[i];
        const int b = ticks[i + 1];
        for (int j = 1; j <= minorTickCount_; ++j)
            add(b - static_cast<int>(RoundHalfEven(j * (b - a) / parts)));
    }
}
