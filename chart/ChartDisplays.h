#pragma once
// The chart displays of the main window: the individual-values chart, the
// X-bar and range control charts and the distribution chart, laid out once
// and filled from the result record at their places in the compute command.
#include <functional>
#include <string_view>

#include "Chart.h"
#include "ComputeCharts.h"
#include "LimitChart.h"
#include "ResultRecord.h"
#include "WindowChartTable.h"

// A limit chart with the series its layout created.
struct TLimitChart {
    TChart& Chart;
    TLimitChartSeries Series;
};

// The window's four charts by what they show.
struct TChartsByRole {
    TChart& Individuals;
    TChart& Xbar;
    TChart& Range;
    TChart& Distribution;
};

// The window's charts by role, from a lookup of a chart by its control name.
inline TChartsByRole ChartsByControlName(const std::function<TChart&(std::string_view)>& chartNamed)
{
    return {.Individuals = chartNamed(WindowChart::Individuals.Control),
            .Xbar = chartNamed(WindowChart::Xbar.Control),
            .Range = chartNamed(WindowChart::Range.Control),
            .Distribution = chartNamed(WindowChart::Distribution.Control)};
}

class TChartDisplays : public TComputeCharts {
public:
    // Lays out the four charts; the displays keep the series the layout created.
    explicit TChartDisplays(TChartsByRole charts);

    void FillIndividualsChart(const TCPKValue& v) override;
    void DrawDistributionChart(const TCPKValue& v) override;
    void FillControlCharts(const TCPKValue& v) override;

    // "显示分布图": draws from the latest record, but only from one whose
    // histogram is complete; otherwise the chart keeps what it shows.
    void ShowDistributionChart(const TarryCpk* record);

    // The hidden demonstration fill of the individual-values data series with random values.
    void DemonstrationFill();

private:
    TLimitChart individuals_;
    TLimitChart xbar_;
    TLimitChart range_;
    TChart& distribution_;
};
