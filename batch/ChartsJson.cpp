#include "ChartsJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <map>
#include <string>

#include "ChartDump.h"
#include "ChartRendering.h"

namespace {

// A value as Qt's JSON writes it, so that the charts read as the runner's dump.
void WriteQtJson(TJsonWriter& json, const QJsonValue& value)
{
    const QByteArray text = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    json.Raw(std::string_view(text.constData() + 1, std::size_t(text.size() - 2)));  // without [ ]
}

// Whole numbers below 1e15 without an exponent, as Qt's JSON writes them.
void WritePointNumber(TJsonWriter& json, double value)
{
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        json.Integer(static_cast<long long>(value));
    else
        json.Number(value);
}

// As the dump writes a point: {"color", "label", "x", "y"}, its keys sorted.
void WritePoints(TJsonWriter& json, const TChartSeries& series)
{
    json.BeginArray();
    for (std::size_t i = 0; i < series.Count(); ++i) {
        json.BeginObject();
        json.Key("color");
        json.Integer(series.StoredColor(i));
        json.Key("label");
        json.String(series.Label(i));
        json.Key("x");
        WritePointNumber(json, series.XValues()[i]);
        json.Key("y");
        WritePointNumber(json, series.YValues()[i]);
        json.EndObject();
    }
    json.EndArray();
}

// A series of the dump, member by member in Qt's order, its points written as they come.
void WriteSeries(TJsonWriter& json, const QJsonObject& dumped, const TChartSeries& series, bool withPoints)
{
    json.BeginObject();
    for (auto member = dumped.begin(); member != dumped.end(); ++member) {
        if (member.key() == QLatin1String("points") && !withPoints)
            continue;
        json.Key(member.key().toStdString());
        if (member.key() == QLatin1String("points"))
            WritePoints(json, series);
        else
            WriteQtJson(json, member.value());
    }
    json.EndObject();
}

// The layout as a paint at the chart's window size computes it, measured
// in the window's fonts: the labels and the marks' places.
void WriteChart(TJsonWriter& json, TBatchChart& batchChart, bool withPoints)
{
    TChart& chart = batchChart.Chart;
    const QJsonObject dumped =
        ChartDumpJsonWithoutPoints(chart, LayOutChart(chart, batchChart.Width, batchChart.Height));
    json.BeginObject();
    for (auto member = dumped.begin(); member != dumped.end(); ++member) {
        json.Key(member.key().toStdString());
        if (member.key() != QLatin1String("series")) {
            WriteQtJson(json, member.value());
            continue;
        }
        const QJsonArray series = member.value().toArray();
        json.BeginArray();
        for (qsizetype i = 0; i < series.size(); ++i)
            WriteSeries(json, series[i].toObject(), *chart.SeriesList()[std::size_t(i)], withPoints);
        json.EndArray();
    }
    json.EndObject();
}

}  // namespace

void WriteChartsJson(TJsonWriter& json, TBatchCharts& charts, bool withPoints)
{
    // By name, in the order of Qt's JSON objects.
    std::map<std::string, TBatchChart*> byName;
    for (TBatchChart& chart : charts.Charts())
        byName[std::string(chart.Name)] = &chart;
    json.BeginObject();
    for (const auto& [name, chart] : byName) {
        json.Key(name);
        WriteChart(json, *chart, withPoints);
    }
    json.EndObject();
}
