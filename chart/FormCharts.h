#pragma once
// The charts of the windows as laid out: white, two-dimensional, no legend;
// the four charts of the main window with their titles and the series the
// window holds from the start.
#include <optional>

#include "Chart.h"
#include "LimitChart.h"
#include "WindowChartTable.h"

// White, flat, without legend: every chart the windows show starts so.
void PrepareWindowChart(TChart& chart);

// The three limit charts hand back the five series their layout created; the
// distribution chart has none.
std::optional<TLimitChartSeries> LayOutFormChart(TChart& chart, const TWindowChart& formChart);
