#pragma once
// Line and point series: a line through the points and/or a pointer shape at
// every point.
#include "ChangeLink.h"
#include "ChartSeries.h"

class TSeriesPointer : public TChangeLink {
public:
    explicit TSeriesPointer(bool visible) : visible_(visible) {}

    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Set(visible_, value); }
    TSeriesPointerStyle Style() const { return style_; }
    void SetStyle(TSeriesPointerStyle value) { Set(style_, value); }
    int HorizSize() const { return horizSize_; }
    void SetHorizSize(int value) { Set(horizSize_, value); }
    int VertSize() const { return vertSize_; }
    void SetVertSize(int value) { Set(vertSize_, value); }
    bool InflateMargins() const { return inflateMargins_; }
    void SetInflateMargins(bool value) { Set(inflateMargins_, value); }
    TChartPen& Pen() { return pen_; }
    const TChartPen& Pen() const { return pen_; }
    // DefaultColorMarker: filled in the point's colour.
    TColor BrushColor() const { return brushColor_; }
    void SetBrushColor(TColor value) { Set(brushColor_, value); }

    // Draws the shape centred on (x, y) in the point's colour.
    void Draw(TCanvas& canvas, int x, int y, TColor pointColor) const;

private:
    template <class T>
    void Set(T& field, const T& value)
    {
        AssignAndNotify(field, value, [this] { Changed(); });
    }

    bool visible_;
    TSeriesPointerStyle style_ = psRectangle;
    int horizSize_ = 4;
    int vertSize_ = 4;
    bool inflateMargins_ = true;
    TChartPen pen_;
    TColor brushColor_ = DefaultColorMarker;
};

class TCustomSeries : public TChartSeries {
public:
    TCustomSeries(TChart* owner, bool lineVisible, bool pointerVisible, int marksArrowLength);

    TChartPen& LinePen() { return Pen(); }
    const TChartPen& LinePen() const { return Pen(); }
    TSeriesPointer& Pointer() { return pointer_; }
    const TSeriesPointer& Pointer() const { return pointer_; }
    bool ColorEachLine() const { return colorEachLine_; }
    void SetColorEachLine(bool value);

    void CalcHorizMargins(const TSeriesLayout& layout, int& left, int& right) const override;
    void CalcVerticalMargins(const TSeriesLayout& layout, int& top, int& bottom) const override;

protected:
    void DrawAllValues(TCanvas& canvas, const TChartLayout& chart, const TSeriesLayout& layout) const override;

private:
    bool lineVisible_;
    TSeriesPointer pointer_;
    bool colorEachLine_ = true;
};

class TLineSeries : public TCustomSeries {
public:
    explicit TLineSeries(TChart* owner) : TCustomSeries(owner, true, false, 8) {}
    const char* ClassName() const override { return "TLineSeries"; }
};

class TPointSeries : public TCustomSeries {
public:
    explicit TPointSeries(TChart* owner) : TCustomSeries(owner, false, true, 0) {}
    const char* ClassName() const override { return "TPointSeries"; }
};
