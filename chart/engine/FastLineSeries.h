#pragma once
// A line drawn quickly: one pen for the whole line, no pointers, points on
// the same pixel as the previous one skipped.
#include "ChartSeries.h"

class TFastLineSeries : public TChartSeries {
public:
    explicit TFastLineSeries(TChart* owner) : TChartSeries(owner) {}
    const char* ClassName() const override { return "TFastLineSeries"; }

    TChartPen& LinePen() { return Pen(); }
    const TChartPen& LinePen() const { return Pen(); }
    // Copies the pen and takes its colour as the series colour.
    void SetLinePen(const TChartPen& pen);
    void SetSeriesColor(TColor value) override;

    bool DrawAllPoints() const { return drawAllPoints_; }
    void SetDrawAllPoints(bool value);
    bool IgnoreNulls() const { return ignoreNulls_; }
    void SetIgnoreNulls(bool value);

    void CalcHorizMargins(const TSeriesLayout& layout, int& left, int& right) const override;
    void CalcVerticalMargins(const TSeriesLayout& layout, int& top, int& bottom) const override;

protected:
    void DrawAllValues(TCanvas& canvas, const TChartLayout& chart, const TSeriesLayout& layout) const override;
    void OnColorAssigned(TColor color) override { LinePen().SetColor(color); }

private:
    int PenMargin() const;

    bool drawAllPoints_ = true;
    bool ignoreNulls_ = true;
};
