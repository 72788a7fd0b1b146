#include "ChartDump.h"

#include <QJsonDocument>
#include <sstream>

#include "ChartStateJson.h"

QJsonObject ChartDumpJson(const TChart& chart, const TChartLayout& layout)
{
    std::ostringstream text;
    {
        TJsonWriter json(text);
        WriteChartState(json, chart, layout, true);
    }
    return QJsonDocument::fromJson(QByteArray::fromStdString(text.str())).object();
}
