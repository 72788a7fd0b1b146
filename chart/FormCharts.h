#pragma once
// The four charts of the main window as laid out: white, two-dimensional, no
// legend, their titles, and the series the window holds from the start.
#include <string_view>

#include "engine/Chart.h"

// chartName is Chart1, Chart2, Chart3 or cht1.
void LayOutFormChart(TChart& chart, std::string_view chartName);
