#pragma once
// Vertical bars from the origin to each point, side by side with the other
// bar series of the chart.
#include "ChangeLink.h"
#include "ChartSeries.h"

class TBarSeries : public TChartSeries {
public:
    explicit TBarSeries(TChart* owner);
    const char* ClassName() const override { return "TBarSeries"; }

    int BarWidthPercent() const { return barWidthPercent_; }
    void SetBarWidthPercent(int value);
    bool SideMargins() const { return sideMargins_; }
    void SetSideMargins(bool value);
    TMultiBar MultiBar() const { return multiBar_; }
    void SetMultiBar(TMultiBar value);
    bool UseYOrigin() const { return useYOrigin_; }
    void SetUseYOrigin(bool value);
    double YOrigin() const { return yOrigin_; }
    void SetYOrigin(double value);
    int CustomBarWidth() const { return customBarWidth_; }
    void SetCustomBarWidth(int value);
    bool AutoBarSize() const { return autoBarSize_; }
    void SetAutoBarSize(bool value);
    int OffsetPercent() const { return offsetPercent_; }
    void SetOffsetPercent(int value);
    bool AutoMarkPosition() const { return autoMarkPosition_; }
    void SetAutoMarkPosition(bool value);
    TChartPen& BarPen() { return Pen(); }
    // DefaultColorMarker: each bar in its point's colour.
    TColor BarBrushColor() const { return barBrushColor_; }
    void SetBarBrushColor(TColor value);

    // When set, a bar never reaches into its neighbour: the bar size is
    // lowered, in steps of two pixels, until neighbouring bars stand apart on
    // the axis as the margins of that size widen it. Off by default.
    bool KeepApart() const { return keepApart_; }
    void SetKeepApart(bool value);

    TRect BarRect(const TChartLayout& chart, const TSeriesLayout& layout, std::size_t index) const;

    void PrepareLayout(TTextMeasurer& measurer, TSeriesLayout& layout) const override;
    void CalcSizesFromAxes(const TChartLayout& chart, TSeriesLayout& layout) const override;
    void CalcHorizMargins(const TSeriesLayout& layout, int& left, int& right) const override;
    void CalcVerticalMargins(const TSeriesLayout& layout, int& top, int& bottom) const override;
    double MinYValue() const override;
    double MaxYValue() const override;
    void PlaceMark(const TChartLayout& chart, const TSeriesLayout& layout, TMarkPosition& position,
                   std::size_t index) const override;

protected:
    void DrawAllValues(TCanvas& canvas, const TChartLayout& chart, const TSeriesLayout& layout) const override;

private:
    int OriginPixel(const TChartLayout& chart) const;
    int HorizMargin(const TBarLayout& bars, int barSize) const;
    int SizeKeptApart(const TChartLayout& chart, const TBarLayout& bars, int size) const;
    void AvoidOverlap(const TSeriesLayout& layout, TMarkPosition& position, std::size_t index) const;
    template <class T>
    void Set(T& field, const T& value)
    {
        AssignAndNotify(field, value, [this] { Repaint(); });
    }

    int barWidthPercent_ = 70;
    bool sideMargins_ = true;
    TMultiBar multiBar_ = mbSide;
    bool useYOrigin_ = true;
    double yOrigin_ = 0;
    int customBarWidth_ = 0;
    bool autoBarSize_ = false;
    int offsetPercent_ = 0;
    bool autoMarkPosition_ = true;
    bool keepApart_ = false;
    TColor barBrushColor_ = DefaultColorMarker;
};
