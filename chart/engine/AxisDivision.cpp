// The layout half of an axis's labels and ticks: the division the drawing
// paints, computed once the axis has its final pixels and range.
#include "ChartAxis.h"

#include "Chart.h"
#include "Extended.h"

void TChartAxis::CalcDivision(TCanvas& canvas)
{
    division_ = {};
    if (labels_) {
        const TAxisLabelStyle style = EffectiveLabelStyle();
        if (style == talValue)
            DivideByValues(canvas);
        else if (style == talText || style == talMark)
            DivideByPoints(canvas, style);
    }
    CalcMinorTicks();
}

void TChartAxis::DivideByValues(TCanvas& canvas)
{
    division_.Step = CalcLabelStep(canvas);
    division_.LabelHeight = canvas.TextHeight("W");
    for (double value :
         LabelValues(scale_.WorkMinimum, scale_.WorkMaximum, scale_.WorkRange, division_.Step, roundFirstLabel_)) {
        const int pos = CalcPosValue(value);
        const bool used = labelsOnAxis_ || StrictlyInside(pos);
        if (used || !tickOnLabelsOnly_)
            division_.Ticks.push_back(pos);
        if (used)
            division_.Labels.push_back({value, LabelText(value), pos});
    }
}

// Point labels (or mark texts) at the X of every point of the series that use
// the axis along their X values.
void TChartAxis::DivideByPoints(TCanvas& canvas, TAxisLabelStyle style)
{
    canvas.SetFont(labelsFont_.Spec());
    division_.LabelHeight = canvas.TextHeight("W");
    for (const TChartSeries* series : SeriesUsingAxis()) {
        if (Horizontal() ? series->GetHorizAxis() != this : series->GetVertAxis() != this)
            continue;
        const TChartValueList& values = Horizontal() ? series->XValues() : series->YValues();
        for (std::size_t i = 0; i < series->Count(); ++i) {
            std::string text = style == talText ? series->Label(i) : series->Marks().MarkText(i);
            if (text.empty())
                continue;
            const int pos = CalcPosValue(values[i]);
            if (!labelsOnAxis_ && !StrictlyInside(pos))
                continue;
            division_.Ticks.push_back(pos);
            division_.Labels.push_back({values[i], std::move(text), pos});
        }
    }
}

// Minor ticks divide every gap between two ticks evenly, and continue with
// the first gap's spacing before the first tick and after the last one.
void TChartAxis::CalcMinorTicks()
{
    const std::vector<int>& ticks = division_.Ticks;
    if (ticks.size() < 2 || minorTickCount_ <= 0)
        return;
    const auto add = [this](int pos) {
        if (StrictlyInside(pos))
            division_.MinorTicks.push_back(pos);
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
