#include "ChartsJson.h"

#include <QJsonDocument>
#include <QJsonObject>

#include "ChartControl.h"
#include "ChartDump.h"

std::string ChartsJson(TBatchCharts& charts)
{
    QJsonObject dump;
    for (TBatchChart& chart : charts.Charts()) {
        PaintChartImage(chart.Chart, chart.Width, chart.Height);
        dump[QString::fromUtf8(chart.Name.data(), qsizetype(chart.Name.size()))] = ChartDumpJson(chart.Chart);
    }
    return QJsonDocument(dump).toJson(QJsonDocument::Compact).toStdString();
}
