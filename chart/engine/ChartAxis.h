#pragma once
// One axis of a chart: its properties with the assignment checks, and its
// steps of the chart's layout pass (range, bands, pixel mapping, division)
// and of its drawing.
#include <string>
#include <vector>

#include "Canvas.h"
#include "ChangeLink.h"
#include "ChartFont.h"
#include "ChartLayout.h"
#include "ChartPen.h"

class TChart;
class TChartSeries;

class TChartAxis {
public:
    TChartAxis(TChart& chart, TAxisKind kind);
    TChartAxis(const TChartAxis&) = delete;
    TChartAxis& operator=(const TChartAxis&) = delete;

    TAxisKind Kind() const { return kind_; }
    bool Horizontal() const { return kind_ == akBottom || kind_ == akTop; }
    // Top and right axes stand on the far side of the plot.
    bool OtherSide() const { return kind_ == akTop || kind_ == akRight; }

    // --- Range
    bool Automatic() const { return automatic_; }
    bool AutomaticMinimum() const { return automaticMinimum_; }
    bool AutomaticMaximum() const { return automaticMaximum_; }
    double Minimum() const { return minimum_; }
    double Maximum() const { return maximum_; }
    // Sets or clears all three automatic flags together.
    void SetAutomatic(bool value);
    // Clearing one end clears Automatic.
    void SetAutomaticMinimum(bool value);
    void SetAutomaticMaximum(bool value);
    // Raise AxisException when the new end passes the other one (checks
    // skipped while the chart is created from the window's layout).
    void SetMinimum(double value);
    void SetMaximum(double value);
    int MinimumOffset() const { return minimumOffset_; }
    int MaximumOffset() const { return maximumOffset_; }
    void SetMinimumOffset(int value);
    void SetMaximumOffset(int value);
    double StartPosition() const { return startPosition_; }
    double EndPosition() const { return endPosition_; }
    void SetStartPosition(double value);
    void SetEndPosition(double value);

    // --- Labels
    double Increment() const { return increment_; }
    void SetIncrement(double value);  // negative raises AxisException
    int LabelsSeparation() const { return labelsSeparation_; }
    void SetLabelsSeparation(int value);  // negative raises AxisException
    TAxisLabelStyle LabelStyle() const { return labelStyle_; }
    void SetLabelStyle(TAxisLabelStyle value);
    const std::string& AxisValuesFormat() const { return axisValuesFormat_; }
    void SetAxisValuesFormat(const std::string& value);
    bool RoundFirstLabel() const { return roundFirstLabel_; }
    void SetRoundFirstLabel(bool value);
    bool LabelsOnAxis() const { return labelsOnAxis_; }
    void SetLabelsOnAxis(bool value);
    bool TickOnLabelsOnly() const { return tickOnLabelsOnly_; }
    void SetTickOnLabelsOnly(bool value);
    bool Labels() const { return labels_; }
    void SetLabels(bool value);
    int LabelsSize() const { return labelsSize_; }
    void SetLabelsSize(int value);
    TChartFont& LabelsFont() { return labelsFont_; }
    const TChartFont& LabelsFont() const { return labelsFont_; }

    // --- Lines
    TChartPen& Axis() { return axisPen_; }
    TChartPen& Ticks() { return ticks_; }
    TChartPen& MinorTicks() { return minorTicks_; }
    TChartPen& TicksInner() { return ticksInner_; }
    TChartPen& Grid() { return grid_; }
    const TChartPen& Grid() const { return grid_; }
    int TickLength() const { return tickLength_; }
    void SetTickLength(int value);
    int MinorTickLength() const { return minorTickLength_; }
    void SetMinorTickLength(int value);
    int MinorTickCount() const { return minorTickCount_; }
    void SetMinorTickCount(int value);
    int TickInnerLength() const { return tickInnerLength_; }
    void SetTickInnerLength(int value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);

    // --- Layout steps, in the order the chart's layout pass calls them
    // Shown when some active series uses it, or the chart has none.
    bool ShownInPaint() const;
    // Writes the series' range into the automatic ends (so that Minimum and
    // Maximum hold the data range after a paint); the scale's work range.
    void CalcAutomaticRange(TAxisScale& scale);
    // Takes the label and tick bands off the rectangle's side facing the axis.
    void ReserveBands(TRect& rect, TTextMeasurer& measurer, TAxisLayout& layout) const;
    void CalcPositions(const TRect& plotRect, TAxisLayout& layout) const;
    // The scale the series' margins widen the layout's one to; `replaced`,
    // when given, asks for the given first (left/top) and second margins
    // instead of its own.
    TAxisScale WidenedScale(const TChartLayout& layout, const TChartSeries* replaced = nullptr, int replacedFirst = 0,
                            int replacedSecond = 0) const;
    TAxisDivision CalcDivision(TTextMeasurer& measurer, const TAxisScale& scale) const;
    // Paints the layout's division; computes nothing.
    void Draw(TCanvas& canvas, const TAxisLayout& layout, const TRect& plotRect) const;

    // Text of a value label.
    std::string LabelText(double value) const;
    TAxisLabelStyle EffectiveLabelStyle() const;
    double CalcLabelStep(TTextMeasurer& measurer, const TAxisScale& scale) const;

private:
    std::vector<TChartSeries*> SeriesUsingAxis() const;
    int LabelSize(TTextMeasurer& measurer, double value) const;
    int VerticalLabelsWidth(TTextMeasurer& measurer, const TAxisScale& scale) const;
    void DivideByValues(TTextMeasurer& measurer, const TAxisScale& scale, TAxisDivision& division) const;
    void DivideByPoints(TTextMeasurer& measurer, const TAxisScale& scale, TAxisDivision& division,
                        TAxisLabelStyle style) const;
    void CalcMinorTicks(const TAxisScale& scale, TAxisDivision& division) const;
    void DrawLabel(TCanvas& canvas, const TAxisLayout& layout, const TAxisLabel& label) const;
    void DrawTick(TCanvas& canvas, int axisPos, int pos, int length, bool inwards) const;
    void DrawLinesAndTicks(TCanvas& canvas, const TAxisLayout& layout, const TRect& plotRect) const;
    void Changed();
    template <class T>
    void Set(T& field, const T& value)
    {
        AssignAndNotify(field, value, [this] { Changed(); });
    }

    TChart& chart_;
    TAxisKind kind_;

    bool automatic_ = true;
    bool automaticMinimum_ = true;
    bool automaticMaximum_ = true;
    double minimum_ = 0;
    double maximum_ = 0;
    double increment_ = 0;
    int labelsSeparation_ = 10;
    TAxisLabelStyle labelStyle_ = talAuto;
    std::string axisValuesFormat_ = "#,##0.###";
    bool roundFirstLabel_ = true;
    bool labelsOnAxis_ = true;
    bool tickOnLabelsOnly_ = true;
    bool labels_ = true;
    int labelsSize_ = 0;
    TChartFont labelsFont_;
    TChartAxisPen axisPen_;
    TDarkGrayPen ticks_;
    int tickLength_ = 4;
    TDarkGrayPen minorTicks_;
    int minorTickLength_ = 2;
    int minorTickCount_ = 3;
    TDarkGrayPen ticksInner_;
    int tickInnerLength_ = 0;
    TAxisGridPen grid_;
    bool visible_ = true;
    int minimumOffset_ = 0;
    int maximumOffset_ = 0;
    double startPosition_ = 0;
    double endPosition_ = 100;
};
