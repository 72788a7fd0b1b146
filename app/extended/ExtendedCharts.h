#pragma once
// The extended analysis's charts on the project's chart component: a control
// chart with its limits and the violating points marked by their test number,
// and the normal probability plot with the fitted line.
#include <vector>

#include "Chart.h"
#include "ExtendedResult.h"
#include "LimitChart.h"

struct TProbabilityPlotSeries {
    TFastLineSeries& Fitted;
    TPointSeries& Scores;
};

// The layout creates the series once and hands them back; the fill functions
// replace their points.
TLimitChartSeries LayOutControlChart(TChart& chart);
void FillControlChart(TChart& chart, const TLimitChartSeries& series, const TControlChart& data,
                      const std::vector<int>& lowestTest);
TProbabilityPlotSeries LayOutProbabilityPlot(TChart& chart);
void FillProbabilityPlot(TChart& chart, const TProbabilityPlotSeries& series, const std::vector<double>& values,
                         const TExtendedResult& r);
void ClearChart(TChart& chart);
