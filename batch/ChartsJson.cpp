#include "ChartsJson.h"

#include <map>
#include <string>

#include "ChartRendering.h"
#include "ChartStateJson.h"

void WriteChartsJson(TJsonWriter& json, TBatchCharts& charts, bool withPoints)
{
    // By name, as the runner's dump orders them; each laid out at its size on
    // the form and measured in the window's fonts, as the runner's paint does.
    std::map<std::string, TBatchChart*> byName;
    for (TBatchChart& chart : charts.Charts())
        byName[std::string(chart.Name)] = &chart;
    json.BeginObject();
    for (const auto& [name, chart] : byName) {
        json.Key(name);
        WriteChartState(json, chart->Chart, LayOutChart(chart->Chart, chart->Width, chart->Height), withPoints);
    }
    json.EndObject();
}
