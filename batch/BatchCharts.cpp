#include "BatchCharts.h"

#include <algorithm>

#include "FormLayout.h"

TBatchCharts::TBatchCharts()
{
    auto chart = charts_.begin();
    for (const TControlSpec& control : FormControls()) {
        if (control.Kind != TControlKind::Chart)
            continue;
        chart->Name = control.Name;
        chart->Width = control.Width;
        chart->Height = control.Height;
        ++chart;
    }
    // The form names its charts from the chart table, so each one is found.
    displays_ = std::make_unique<TChartDisplays>(ChartsByControlName([this](std::string_view name) -> TChart& {
        return std::ranges::find(charts_, name, &TBatchChart::Name)->Chart;
    }));
}
