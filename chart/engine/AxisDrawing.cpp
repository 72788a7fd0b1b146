// The drawing half of an axis: labels, axis line, ticks and grid.
#include <cmath>

#include "Chart.h"
#include "ChartAxis.h"
#include "Extended.h"

void TChartAxis::Draw(TCanvas& canvas, const TRect& plotRect)
{
    drawnLabels_.clear();
    tickPositions_.clear();
    stepUsed_ = 0;
    if (labels_) {
        const TAxisLabelStyle style = EffectiveLabelStyle();
        if (style == talValue)
            DrawValueLabels(canvas);
        else if (style == talText || style == talMark)
            DrawPointLabels(canvas, style);
    }
    DrawLinesAndTicks(canvas, plotRect);
}

void TChartAxis::DrawValueLabels(TCanvas& canvas)
{
    stepUsed_ = CalcLabelStep(canvas);
    const std::vector<double> values = LabelValues(scale_.WorkMinimum, scale_.WorkMaximum, scale_.WorkRange,
                                                   stepUsed_, roundFirstLabel_);
    canvas.SetFont(labelsFont_.Spec());
    for (double value : values) {
        const int pos = CalcPosValue(value);
        const bool used = labelsOnAxis_ || StrictlyInside(pos);
        if (used || !tickOnLabelsOnly_)
            tickPositions_.push_back(pos);
        if (!used)
            continue;
        std::string text = LabelText(value);
        DrawLabel(canvas, pos, text);
        drawnLabels_.push_back({value, std::move(text), pos});
    }
}

// Point labels (or mark texts) at the X of every point of the series that use
// the axis along their X values.
void TChartAxis::DrawPointLabels(TCanvas& canvas, TAxisLabelStyle style)
{
    canvas.SetFont(labelsFont_.Spec());
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
            tickPositions_.push_back(pos);
            DrawLabel(canvas, pos, text);
            drawnLabels_.push_back({values[i], std::move(text), pos});
        }
    }
}

void TChartAxis::DrawLabel(TCanvas& canvas, int pos, const std::string& text)
{
    const int halfHeight = canvas.TextHeight("W") / 2;
    switch (kind_) {
    case akBottom: canvas.TextOut(pos, labelsPos_, text, taCenter, tvTop); break;
    case akTop: canvas.TextOut(pos, labelsPos_, text, taCenter, tvBottom); break;
    case akLeft: canvas.TextOut(labelsPos_, pos - halfHeight, text, taRightJustify, tvTop); break;
    case akRight: canvas.TextOut(labelsPos_, pos - halfHeight, text, taLeftJustify, tvTop); break;
    }
}

// A tick starts one pixel off the axis line and runs away from the plot
// (towards it for inner ticks).
void TChartAxis::DrawTick(TCanvas& canvas, int pos, int length, bool inwards)
{
    // Bottom and right run to larger coordinates, top and left to smaller.
    int direction = (kind_ == akBottom || kind_ == akRight) ? 1 : -1;
    if (inwards)
        direction = -direction;
    const int start = axisPos_ + direction;
    const int end = start + direction * length;
    if (Horizontal())
        canvas.Line(pos, start, pos, end);
    else
        canvas.Line(start, pos, end, pos);
}

void TChartAxis::DrawLinesAndTicks(TCanvas& canvas, const TRect& plotRect)
{
    if (axisPen_.Visible()) {
        canvas.SetPen(axisPen_.Spec());
        if (Horizontal())
            canvas.Line(scale_.StartPos, axisPos_, scale_.EndPos, axisPos_);
        else
            canvas.Line(axisPos_, scale_.StartPos, axisPos_, scale_.EndPos);
    }

    if (ticks_.Visible() && tickLength_ != 0) {
        canvas.SetPen(ticks_.Spec());
        for (int pos : tickPositions_)
            DrawTick(canvas, pos, tickLength_, false);
    }

    if (grid_.Visible()) {
        canvas.SetPen(grid_.Spec());
        for (int pos : tickPositions_) {
            if (!StrictlyInside(pos))
                continue;
            if (Horizontal())
                canvas.Line(pos, plotRect.Top + 1, pos, plotRect.Bottom);
            else
                canvas.Line(plotRect.Left + 1, pos, plotRect.Right, pos);
        }
    }

    if (ticksInner_.Visible() && tickInnerLength_ != 0) {
        canvas.SetPen(ticksInner_.Spec());
        for (int pos : tickPositions_)
            DrawTick(canvas, pos, tickInnerLength_, true);
    }

    if (minorTicks_.Visible() && tickPositions_.size() >= 2 && minorTickCount_ > 0) {
        canvas.SetPen(minorTicks_.Spec());
        const auto minorTick = [&](int pos) {
            if (StrictlyInside(pos))
                DrawTick(canvas, pos, minorTickLength_, false);
        };
        const long double parts = minorTickCount_ + 1;
        const int first = tickPositions_.front();
        const int last = tickPositions_.back();
        const long double spacing = (tickPositions_[1] - first) / parts;
        for (int j = 1; j <= minorTickCount_; ++j) {
            const int offset = static_cast<int>(RoundHalfEven(j * spacing));
            minorTick(first - offset);
            minorTick(last + offset);
        }
        for (std::size_t i = 0; i + 1 < tickPositions_.size(); ++i) {
            const int a = tickPositions_[i];
            const int b = tickPositions_[i + 1];
            for (int j = 1; j <= minorTickCount_; ++j)
                minorTick(b - static_cast<int>(RoundHalfEven(j * (b - a) / parts)));
        }
    }
}
