#pragma once
// The chart displays of the main window: the individual-values chart Chart2,
// the X-bar chart Chart1, the range chart Chart3 and the distribution chart
// cht1, filled from the result record at their places in the compute command.
#include "Chart.h"
#include "ComputeCharts.h"
#include "LimitChart.h"
#include "ResultRecord.h"

// A limit chart with the series its layout created.
struct TLimitChart {
    TChart& Chart;
    TLimitChartSeries Series;
};

class TChartDisplays : public TComputeCharts {
public:
    TChartDisplays(TLimitChart chart1, TLimitChart chart2, TLimitChart chart3, TChart& cht1)
        : chart1_(chart1),
          chart2_(chart2),
          chart3_(chart3),
          cht1_(cht1)
    {}

    void FillIndividualsChart(const TCPKValue& v) override;
    void DrawDistributionChart(const TCPKValue& v) override;
    void FillControlCharts(const TCPKValue& v) override;

    // "显示分布图": draws from the latest record, but only from one whose
    // histogram is complete; otherwise the chart keeps what it shows.
    void ShowDistributionChart(const TarryCpk* record);

    // The hidden demonstration fill of Chart2's data series with random values.
    void DemonstrationFill();

private:
    TLimitChart chart1_;
    TLimitChart chart2_;
    TLimitChart chart3_;
    TChart& cht1_;
};
