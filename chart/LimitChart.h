#pragma once
// The pattern shared by the individual-values, X-bar and range charts: three
// horizontal limit lines with their values as bold marks at the right end,
// the data as a blue line, and the data again as diamonds, red on or beyond a
// limit and yellow between the limits.
#include <span>

#include "Chart.h"
#include "CustomSeries.h"
#include "FastLineSeries.h"

constexpr TColor LimitUpperColor = clRed;
constexpr TColor LimitLowerColor = clGreen;
constexpr TColor LimitCentreColor = 42495;  // orange
constexpr TColor DataLineColor = clBlue;
constexpr TColor PointInsideColor = clYellow;
constexpr TColor PointOutsideColor = clRed;

// The five laid-out series of one limit chart, in the order they are filled.
struct TLimitChartSeries {
    TFastLineSeries& Upper;
    TFastLineSeries& Lower;
    TFastLineSeries& Centre;
    TFastLineSeries& Data;
    TPointSeries& Points;
    void ClearAll();
};

// Gives the left axis fixed ends. The ends are assigned in the order that
// keeps Minimum <= Maximum at every moment, so a new range entirely below the
// old one is accepted like any other.
void SetFixedVerticalRange(TChartAxis& axis, double minimum, double maximum);

// A limit line's look: a line 2 pixels wide, dashed or solid, its values as bold
// 10-point marks in its colour.
void StyleLimitLine(TFastLineSeries& line, TColor color, bool dashed);

// A horizontal line at value from X = 0 to X = xEnd, its value shown at the right end.
void AddLimitLine(TFastLineSeries& line, float value, TColor color, double xEnd, bool dashed);

// Data line and points for the values at X = 0, 1, ...
void AddDataPoints(TLimitChartSeries& series, std::span<const float> values, float upper, float lower);
