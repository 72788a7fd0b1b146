// The hidden demonstration fill of the individual-values data series with random values.
#include <chrono>
#include <random>

#include "ChartDisplays.h"
#include "LimitChart.h"

void TChartDisplays::DemonstrationFill()
{
    TFastLineSeries& data = individuals_.Series.Data;
    TPointSeries& points = individuals_.Series.Points;
    data.ClearPoints();
    points.ClearPoints();
    points.Pointer().SetStyle(psDiamond);
    // Reseeded from the high-resolution counter at every run.
    std::mt19937 random(
        static_cast<std::mt19937::result_type>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    std::uniform_int_distribution<int> draw(0, 32);
    for (int i = 0; i <= 50; ++i) {
        const int r = 16 + draw(random) % 18;
        if (i % 2 != 0)
            continue;
        data.AddPoint(i, r, "", DataLineColor);
        points.AddPoint(i, r, "", r > 20 && r < 28 ? PointInsideColor : PointOutsideColor);
    }
}
