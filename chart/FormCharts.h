#pragma once
// The four charts of the main window as laid out: white, two-dimensional, no
// legend, their titles, and the series the window holds from the start.
#include <optional>
#include <string_view>

#include "Chart.h"
#include "LimitChart.h"

// chartName is Chart1, Chart2, Chart3 or cht1. The three limit charts hand
// back the five series their layout created; cht1 has none.
std::optional<TLimitChartSeries> LayOutFormChart(TChart& chart, std::string_view chartName);
