#pragma once
// The chart: panel, title, back wall, four axes and the series list. Every
// property change marks the chart for repainting; Paint recomputes the whole
// layout from the current properties and points and draws it.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Canvas.h"
#include "ChangeLink.h"
#include "ChartAxis.h"
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

    // Paints the chart into a panel of the given size at (0, 0).
    void Paint(TCanvas& canvas, int width, int height);

    // --- Run-time values of the last paint
    const TRect& PanelRect() const { return panelRect_; }
    const TRect& ChartRect() const { return chartRect_; }
    const TRect& PlotRect() const { return plotRect_; }
    // The title's box (empty when no title was drawn) and the top of the
    // chart rectangle below it.
    const TRect& TitleRect() const { return titleRect_; }
    int TitleBottom() const { return titleBottom_; }
    int PaintCount() const { return paintCount_; }

private:
    friend class TChartSeries;
    void Join(TChartSeries& series);
    void Leave(TChartSeries& series);
    void Release(TChartSeries& series);
    TColor FreePaletteColor(const TChartSeries& joining) const;

    void DrawPanel(TCanvas& canvas);
    void CalcChartRect();
    void DrawTitle(TCanvas& canvas);
    void LayOutAxes(TCanvas& canvas);
    void LayOutMarks(TCanvas& canvas);
    void SeparateMarkGroups();
    void DrawBackWall(TCanvas& canvas);

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

    TRect panelRect_, chartRect_, plotRect_, titleRect_;
    int titleBottom_ = 0;
    int paintCount_ = 0;
};
