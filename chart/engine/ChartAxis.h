#pragma once
// One axis of a chart: its properties with the assignment checks, and the
// run-time layout of one paint (range, bands, pixel mapping, division).
#include <string>
#include <vector>

#include "AxisDivision.h"
#include "AxisScale.h"
#include "Canvas.h"
#include "ChangeLink.h"
#include "ChartFont.h"
#include "ChartPen.h"

class TChart;
class TChartSeries;

enum TAxisKind { akBottom, akTop, akLeft, akRight };

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

    // --- Run-time values of the last paint
    bool IsVisible() const { return shownNow_; }
    const TAxisScale& Scale() const { return scale_; }
    double WorkMinimum() const { return scale_.WorkMinimum; }
    double WorkMaximum() const { return scale_.WorkMaximum; }
    double WorkRange() const { return scale_.WorkRange; }
    int StartPos() const { return scale_.StartPos; }
    int EndPos() const { return scale_.EndPos; }
    int AxisSize() const { return scale_.AxisSize(); }
    int CenterPos() const { return scale_.CenterPos(); }
    int AxisPos() const { return axisPos_; }
    int LabelsPos() const { return labelsPos_; }
    // Label step, labels and ticks of the last layout (empty for a hidden axis).
    const TAxisDivision& Division() const { return division_; }
    int CalcPosValue(double value) const { return scale_.CalcPosValue(value); }
    double CalcPosPoint(int pixel) const { return scale_.CalcPosPoint(pixel); }

    // --- Paint steps, in the order the chart calls them
    void CalcVisibility();
    void CalcAutomaticRange();
    // Takes the label and tick bands off the rectangle's side facing the axis.
    void ReserveBands(TRect& rect, TCanvas& canvas);
    void CalcPositions(const TRect& plotRect);
    void ApplySeriesMargins() { scale_ = WidenedScale(); }
    // The scale the series' margins widen this one to; `replaced`, when
    // given, asks for the given first (left/top) and second margins instead
    // of its own.
    TAxisScale WidenedScale(const TChartSeries* replaced = nullptr, int replacedFirst = 0,
                            int replacedSecond = 0) const;
    void CalcDivision(TCanvas& canvas);
    // Paints the division; computes nothing.
    void Draw(TCanvas& canvas, const TRect& plotRect);

    // Text of a value label.
    std::string LabelText(double value) const;
    TAxisLabelStyle EffectiveLabelStyle() const;
    double CalcLabelStep(TCanvas& canvas) const;

private:
    std::vector<TChartSeries*> SeriesUsingAxis() const;
    int LabelSize(TCanvas& canvas, double value) const;
    int VerticalLabelsWidth(TCanvas& canvas);
    void DivideByValues(TCanvas& canvas);
    void DivideByPoints(TCanvas& canvas, TAxisLabelStyle style);
    void CalcMinorTicks();
    void DrawLabel(TCanvas& canvas, int pos, const std::string& text);
    void DrawTick(TCanvas& canvas, int pos, int length, bool inwards);
    void DrawLinesAndTicks(TCanvas& canvas, const TRect& plotRect);
    bool StrictlyInside(int pos) const { return pos > scale_.StartPos && pos < scale_.EndPos; }
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

    bool shownNow_ = false;
    TAxisScale scale_;
    int axisPos_ = 0;
    int labelsPos_ = 0;
    TAxisDivision division_;
};
