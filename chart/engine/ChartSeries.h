#pragma once
// The base of every series: points (X and Y lists, labels, point colours),
// colours, axes, membership in a chart, and the paint protocol the kinds
// override.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Canvas.h"
#include "ChartLayout.h"
#include "ChartPen.h"
#include "SeriesMarks.h"
#include "ValueList.h"

class TChart;
class TChartAxis;

// The chart's default palette, in the order colours are handed out.
extern const TColor DefaultPalette[20];

class TChartSeries {
public:
    // A series created with an owner chart is destroyed by that chart (at the
    // latest with it); being owned does not put it into the chart.
    explicit TChartSeries(TChart* owner, bool marksVisible = false, int marksArrowLength = 8);
    virtual ~TChartSeries();
    TChartSeries(const TChartSeries&) = delete;
    TChartSeries& operator=(const TChartSeries&) = delete;

    virtual const char* ClassName() const = 0;
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    // --- Points
    // Inserts by the X order; returns the index. An empty label means none;
    // DefaultColorMarker means the point has no colour of its own.
    int AddPoint(double x, double y, std::string_view label = {}, TColor color = DefaultColorMarker);
    void ClearPoints();
    // Room for this many coloured points, so that adding a million does not
    // copy the lists over and over as they grow.
    void ReservePoints(std::size_t count);
    std::size_t Count() const { return xValues_.Count(); }
    TChartValueList& XValues() { return xValues_; }
    const TChartValueList& XValues() const { return xValues_; }
    TChartValueList& YValues() { return yValues_; }
    const TChartValueList& YValues() const { return yValues_; }
    // The point's label, empty when it has none.
    const std::string& Label(std::size_t index) const;
    bool HasNonEmptyLabel() const;
    // The stored colour, DefaultColorMarker when the point has none.
    TColor StoredColor(std::size_t index) const;
    bool HasColorList() const { return !colors_.empty(); }
    // The colour the point is drawn in.
    TColor ValueColor(std::size_t index) const;
    bool IsNull(std::size_t index) const { return ValueColor(index) == NullColor; }

    // --- Colours
    TColor SeriesColor() const { return seriesColor_; }
    virtual void SetSeriesColor(TColor value);
    TColor AssignedColor() const { return assignedColor_; }
    // SeriesColor, or the palette colour given on joining the chart.
    TColor Color() const { return seriesColor_ == DefaultColorMarker ? assignedColor_ : seriesColor_; }
    bool ColorEachPoint() const { return colorEachPoint_; }
    void SetColorEachPoint(bool value);

    // --- Axes, activity, marks, format, pen
    THorizAxis HorizAxis() const { return horizAxis_; }
    void SetHorizAxis(THorizAxis value);
    TVertAxis VertAxis() const { return vertAxis_; }
    void SetVertAxis(TVertAxis value);
    // The axis objects of the parent chart; null without a parent.
    TChartAxis* GetHorizAxis() const;
    TChartAxis* GetVertAxis() const;
    bool UsesAxis(const TChartAxis& axis) const;
    bool Active() const { return active_; }
    void SetActive(bool value);
    TSeriesMarks& Marks() { return marks_; }
    const TSeriesMarks& Marks() const { return marks_; }
    const std::string& ValueFormat() const { return valueFormat_; }
    void SetValueFormat(const std::string& value);
    TChartPen& Pen() { return pen_; }
    const TChartPen& Pen() const { return pen_; }

    // --- Chart membership
    TChart* Owner() const { return owner_; }
    TChart* ParentChart() const { return parent_; }
    void SetParentChart(TChart* chart);

    // --- Layout and drawing, in the order a paint uses them
    virtual void PrepareLayout(TTextMeasurer&, TSeriesLayout&) const {}
    // Sizes that follow from the axis pixels, before the margins are asked for.
    virtual void CalcSizesFromAxes(const TChartLayout&, TSeriesLayout&) const {}
    virtual void CalcHorizMargins(const TSeriesLayout& layout, int& left, int& right) const;
    virtual void CalcVerticalMargins(const TSeriesLayout& layout, int& top, int& bottom) const;
    virtual double MinXValue() const { return xValues_.MinValue(); }
    virtual double MaxXValue() const { return xValues_.MaxValue(); }
    virtual double MinYValue() const { return yValues_.MinValue(); }
    virtual double MaxYValue() const { return yValues_.MaxValue(); }
    void CalcFirstLastVisible(const TChartLayout& chart, TSeriesLayout& layout) const;
    // The layout of a series: its visible range and its marks' boxes, which
    // the marks also keep.
    void CalcVisiblePart(TTextMeasurer& measurer, const TChartLayout& chart, TSeriesLayout& layout);
    // Draws the values (clipped by the chart) and then the marks.
    void Draw(TCanvas& canvas, const TChartLayout& chart, const TSeriesLayout& layout) const;
    TAxisKind HorizAxisKind() const { return horizAxis_ == aTopAxis ? akTop : akBottom; }
    TAxisKind VertAxisKind() const { return vertAxis_ == aRightAxis ? akRight : akLeft; }
    TPoint PointPixel(const TChartLayout& chart, std::size_t index) const;
    // Kind-specific placement of a mark whose box is centred on the point.
    virtual void PlaceMark(const TChartLayout& chart, const TSeriesLayout& layout, TMarkPosition& position,
                           std::size_t index) const;

    // Called by the series' own property objects and by the chart.
    void Repaint() const;

protected:
    virtual void DrawAllValues(TCanvas& canvas, const TChartLayout& chart, const TSeriesLayout& layout) const = 0;
    // A fast line also takes its palette colour for its pen.
    virtual void OnColorAssigned(TColor) {}

private:
    friend class TChart;
    // The chart's side of joining and leaving.
    void AttachTo(TChart* chart, TColor assigned);
    void DetachFromParent();

    std::string name_;
    TChart* owner_;
    TChart* parent_ = nullptr;
    TChartValueList xValues_{"X", loAscending};
    TChartValueList yValues_{"Y", loNone};
    std::vector<std::string> labels_;
    std::vector<TColor> colors_;  // empty until a point has a colour of its own
    TColor seriesColor_ = DefaultColorMarker;
    TColor assignedColor_ = DefaultColorMarker;
    bool colorEachPoint_ = false;
    THorizAxis horizAxis_ = aBottomAxis;
    TVertAxis vertAxis_ = aLeftAxis;
    bool active_ = true;
    std::string valueFormat_ = "#,##0.###";
    TChartPen pen_;
    TSeriesMarks marks_;
};
