#pragma once
// Everything one paint of a chart computes before it draws: the chart's
// rectangles, each axis's scale, bands and division, each series' visible
// range, bar sizes and mark boxes. The chart's layout pass returns it from a
// text measurer and a size; the drawing only reads it.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "AxisDivision.h"
#include "AxisScale.h"
#include "ChartTypes.h"
#include "TextMeasurer.h"

class TChartSeries;

enum TAxisKind { akBottom, akTop, akLeft, akRight };

struct TAxisLayout {
    bool Visible = false;  // shown in this paint
    TAxisScale Scale;      // pixels and the work range after the series' margins
    int AxisPos = 0;       // the plot edge the axis line runs along
    int LabelsPos = 0;     // the label band's edge facing the axis
    TAxisDivision Division;

    int CalcPosValue(double value) const { return Scale.CalcPosValue(value); }
    bool StrictlyInside(int pos) const { return pos > Scale.StartPos && pos < Scale.EndPos; }
};

// Where one mark goes: its box and its connector.
struct TMarkPosition {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    TPoint ArrowFrom;
    TPoint ArrowTo;
    friend bool operator==(const TMarkPosition&, const TMarkPosition&) = default;
};

struct TDrawnMark {
    int Index = 0;  // the point's
    std::string Text;
    TMarkPosition Position;
};

// The bars of a bar series beside those of the chart's other bar series.
struct TBarLayout {
    int NumBars = 0;    // bar series side by side
    int Position = 0;   // this one's among them, from 1
    int MaxPoints = 0;  // the most points among them, one more with side margins
    int Size = 0;       // bar width in pixels
};

struct TSeriesLayout {
    const TChartSeries* Series = nullptr;
    int FirstVisible = -1;  // -1: nothing visible
    int LastVisible = -1;
    TBarLayout Bars;         // bar series only
    int MarkLineHeight = 0;  // of the marks' font
    std::vector<TDrawnMark> Marks;
};

struct TChartLayout {
    TRect PanelRect;
    TRect ChartRect;
    TRect TitleRect;                 // empty without a title
    int TitleBottom = 0;             // top of the chart rectangle below the title
    std::vector<TPoint> TitleLines;  // top left of each title line
    TRect PlotRect;
    std::array<TAxisLayout, 4> Axes;    // by TAxisKind
    std::vector<TSeriesLayout> Series;  // in the chart's series-list order
    // The font the layout measured with last. The drawing sets it again for
    // the back wall, so that a vector document's groups name the fonts they
    // always have.
    std::optional<TFontSpec> LastFont;

    const TAxisLayout& Axis(TAxisKind kind) const { return Axes[kind]; }
    TAxisLayout& Axis(TAxisKind kind) { return Axes[kind]; }
    // The layout of a series of the chart; an empty one for others.
    const TSeriesLayout& Of(const TChartSeries& series) const;
};
