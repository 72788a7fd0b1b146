#pragma once
// The chart: panel, title, back wall, four axes and the series list. Every
// property change marks the chart for repainting; a paint lays the chart out
// afresh from the current properties and points and draws that layout.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Canvas.h"
#include "ChangeLink.h"
#include "ChartAxis.h"
#include "ChartLayout.h"
#include "ChartSeries.h"
#include "ChartTitle.h"

class TChart {
public:
    TChart();
    ~TChart();
    TChart(const TChart&) = delete;
    TChart& operator=(const TChart&) = delete;

    // --- Panel
    TColor Color() const { return color_; }
    void SetColor(TColor value) { Set(color_, value); }
    bool View3D() const { return view3D_; }
    void SetView3D(bool value) { Set(view3D_, value); }
    int MarginLeft() const { return marginLeft_; }
    int MarginTop() const { return marginTop_; }
    int MarginRight() const { return marginRight_; }
    int MarginBottom() const { return marginBottom_; }
    void SetMargins(int left, int top, int right, int bottom);
    TMarginUnits MarginUnits() const { return marginUnits_; }
    void SetMarginUnits(TMarginUnits value) { Set(marginUnits_, value); }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value) { Set(bevelWidth_, value); }
    bool AxisVisible() const { return axisVisible_; }
    void SetAxisVisible(bool value) { Set(axisVisible_, value); }
    bool ClipPoints() const { return clipPoints_; }
    void SetClipPoints(bool value) { Set(clipPoints_, value); }
    bool LegendVisible() const { return legendVisible_; }
    void SetLegendVisible(bool value) { Set(legendVisible_, value); }
    TChartTitle& Title() { return title_; }
    const TChartTitle& Title() const { return title_; }
    TChartWall& BackWall() { return backWall_; }
    const TChartWall& BackWall() const { return backWall_; }

    // --- Axes, in creation order: bottom, top, left, right
    TChartAxis& BottomAxis() { return *axes_[akBottom]; }
    TChartAxis& TopAxis() { return *axes_[akTop]; }
    TChartAxis& LeftAxis() { return *axes_[akLeft]; }
    TChartAxis& RightAxis() { return *axes_[akRight]; }
    TChartAxis& Axis(TAxisKind kind) { return *axes_[kind]; }
    const TChartAxis& Axis(TAxisKind kind) const { return *axes_[kind]; }

    // --- Series
    // Creates a series owned by this chart, not yet in its series list.
    template <class TSeries>
    TSeries& CreateSeries(std::string name = {})
    {
        auto series = std::make_unique<TSeries>(this);
        series->SetName(std::move(name));
        TSeries& result = *series;
        owned_.push_back(std::move(series));
        return result;
    }
    // Drawing order.
    const std::vector<TChartSeries*>& SeriesList() const { return seriesList_; }
    std::size_t SeriesCount() const { return seriesList_.size(); }
    TChartSeries& Series(std::size_t index) const { return *seriesList_[index]; }
    TChartSeries* FindSeries(std::string_view name) const;
    // Same as setting the series' ParentChart to this chart.
    void AttachSeries(TChartSeries& series) { series.SetParentChart(this); }
    // Takes every series out of the list and destroys it.
    void DestroyAllSeries();
    bool HasActiveSeries() const;

    // --- Repainting
    // While the chart is created from the window's layout the axis checks
    // are skipped.
    bool Loading() const { return loading_; }
    void SetLoading(bool value) { loading_ = value; }
    bool Destroying() const { return destroying_; }
    void Invalidate();
    bool NeedsRepaint() const { return needsRepaint_; }
    // Called on every change, e.g. to schedule the control's repaint.
    void SetOnInvalidate(std::function<void()> handler) { onInvalidate_ = std::move(handler); }

    // The layout of a panel of the given size at (0, 0): the start of a
    // paint. It also writes what a paint keeps: the data range into the
    // automatic axis ends and the marks' positions.
    TChartLayout LayOut(TTextMeasurer& measurer, int width, int height);
    // Draws a layout of this chart; computes nothing.
    void Draw(TCanvas& canvas, const TChartLayout& layout) const;
    // Lays out with the canvas's measurer and draws.
    void Paint(TCanvas& canvas, int width, int height);

private:
    friend class TChartSeries;
    void Join(TChartSeries& series);
    void Leave(TChartSeries& series);
    void Release(TChartSeries& series);
    TColor FreePaletteColor(const TChartSeries& joining) const;

    TRect CalcChartRect(const TRect& panel) const;
    void LayOutTitle(TTextMeasurer& measurer, TChartLayout& layout) const;
    void LayOutAxes(TTextMeasurer& measurer, TChartLayout& layout);
    void LayOutMarks(TTextMeasurer& measurer, TChartLayout& layout);
    void SeparateMarkGroups(TChartLayout& layout);
    void DrawPanel(TCanvas& canvas, const TRect& panel) const;
    void DrawTitle(TCanvas& canvas, const TChartLayout& layout) const;
    void DrawBackWall(TCanvas& canvas, const TRect& plotRect) const;

    template <class T>
    void Set(T& field, const T& value)
    {
        AssignAndNotify(field, value, [this] { Invalidate(); });
    }

    TColor color_ = DefaultColorMarker;  // the platform's button face until set
    bool view3D_ = true;
    int marginLeft_ = 3, marginTop_ = 4, marginRight_ = 3, marginBottom_ = 4;
    TMarginUnits marginUnits_ = muPercent;
    int bevelWidth_ = 1;
    bool axisVisible_ = true;
    bool clipPoints_ = true;
    bool legendVisible_ = true;
    TChartTitle title_;
    TChartWall backWall_;
    std::unique_ptr<TChartAxis> axes_[4];

    std::vector<TChartSeries*> seriesList_;
    std::vector<std::unique_ptr<TChartSeries>> owned_;

    bool loading_ = false;
    bool destroying_ = false;
    bool needsRepaint_ = true;
    std::function<void()> onInvalidate_;
};
