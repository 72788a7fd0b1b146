#pragma once
// The window's four charts, laid out as on the form and filled by the
// compute command through the chart displays.
#include <array>
#include <memory>
#include <string_view>

#include "Chart.h"
#include "ChartDisplays.h"

struct TBatchChart {
    std::string_view Name;      // the chart's control on the form
    int Width = 0, Height = 0;  // its size on the form
    TChart Chart;
};

class TBatchCharts {
public:
    TBatchCharts();

    TComputeCharts& Displays() { return *displays_; }
    // In the form's creation order.
    std::array<TBatchChart, 4>& Charts() { return charts_; }

private:
    std::array<TBatchChart, 4> charts_;
    std::unique_ptr<TChartDisplays> displays_;
};
