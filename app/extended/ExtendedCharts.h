#pragma once
// The extended analysis's charts on the project's chart component: a control
// chart with its limits and the violating points marked by their test number,
// and the normal probability plot with the fitted line.
#include <vector>

#include "analysis/ExtendedResult.h"
#include "engine/Chart.h"

// Creates the series once; the fill functions replace their points.
void LayOutControlChart(TChart& chart);
void FillControlChart(TChart& chart, const TControlChart& data, const std::vector<int>& lowestTest);
void LayOutProbabilityPlot(TChart& chart);
void FillProbabilityPlot(TChart& chart, const std::vector<double>& values, const TExtendedResult& r);
void ClearChart(TChart& chart);
