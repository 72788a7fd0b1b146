#pragma once
// The extended analysis's charts on the project's chart component: a control
// chart with its limits (steps where subgroups differ in size) and the
// violating points marked by their test number, the probability plot on the
// chosen distribution's scale with the fitted line, and the histogram with
// the fitted density.
#include <vector>

#include "BarSeries.h"
#include "Chart.h"
#include "ExtendedResult.h"
#include "LimitChart.h"

struct TProbabilityPlotSeries {
    TFastLineSeries& Fitted;
    TPointSeries& Scores;
};

struct THistogramSeries {
    TBarSeries& Bars;
    TFastLineSeries& Density;
};

// The layout creates the series once and hands them back; the fill functions
// replace their points.
TLimitChartSeries LayOutControlChart(TChart& chart);
void FillControlChart(TChart& chart, const TLimitChartSeries& series, const TControlChart& data,
                      const std::vector<int>& lowestTest);
TProbabilityPlotSeries LayOutProbabilityPlot(TChart& chart);
void FillProbabilityPlot(TChart& chart, const TProbabilityPlotSeries& series, const std::vector<double>& values,
                         const TExtendedResult& r);
// The histogram of the values with the chosen fit's density scaled to counts.
THistogramSeries LayOutHistogram(TChart& chart);
void FillHistogram(TChart& chart, const THistogramSeries& series, const std::vector<double>& values,
                   const TExtendedResult& r);
// The fit the plots draw: the chosen one (normal for nonparametric), or null when it does not exist.
const TDistributionFit* PlottedFit(const TExtendedResult& r);
void ClearChart(TChart& chart);
