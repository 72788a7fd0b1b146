#include "BatchCharts.h"

#include <map>
#include <string>

#include "FormCharts.h"
#include "FormLayout.h"

TBatchCharts::TBatchCharts()
{
    std::map<std::string, TLimitChart, std::less<>> limitCharts;
    TChart* cht1 = nullptr;
    std::size_t next = 0;
    for (const TControlSpec& control : FormControls()) {
        if (control.Kind != TControlKind::Chart)
            continue;
        TBatchChart& chart = charts_.at(next++);
        chart.Name = control.Name;
        chart.Width = control.Width;
        chart.Height = control.Height;
        if (std::optional<TLimitChartSeries> series = LayOutFormChart(chart.Chart, control.Name))
            limitCharts.emplace(control.Name, TLimitChart{chart.Chart, *series});
        else
            cht1 = &chart.Chart;
    }
    displays_ = std::make_unique<TChartDisplays>(limitCharts.at("Chart1"), limitCharts.at("Chart2"),
                                                 limitCharts.at("Chart3"), *cht1);
}
