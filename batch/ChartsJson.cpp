#include "ChartsJson.h"

#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>

#include <map>
#include <stdexcept>
#include <vector>

#include "ChartDump.h"
#include "JsonText.h"
#include "QtCanvas.h"
#include "ResultValue.h"

namespace {

// The dump holds what a paint computes: the layout, the axis labels, the
// marks' places. Those come from the texts' measures alone, so the paint
// measures as the window's canvas does and draws nothing, which keeps a
// million points from being stroked for a dump.
class TMeasuringCanvas : public TQtCanvas {
public:
    using TQtCanvas::TQtCanvas;
    void SetPen(const TPenSpec&) override {}
    void SetBrush(const TBrushSpec&) override {}
    void FillRect(const TRect&, TColor) override {}
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void Line(int, int, int, int) override {}
    void Polyline(const std::vector<TPoint>&) override {}
    void Rectangle(const TRect&) override {}
    void Polygon(const std::vector<TPoint>&) override {}
    void TextOut(int, int, std::string_view, TTextAlign, TTextAnchor) override {}
};

// As the window's paint: an exception may not leave it.
void MeasureAtWindowSize(TBatchChart& chart)
{
    QImage image(1, 1, QImage::Format_RGB32);
    QPainter painter(&image);
    TMeasuringCanvas canvas(painter);
    try {
        chart.Chart.Paint(canvas, chart.Width, chart.Height);
    } catch (const std::exception&) {
    }
}

// As the dump writes a point: {"color", "label", "x", "y"}, its keys sorted.
void WritePoints(std::ostream& out, const TChartSeries& series)
{
    std::string json;
    for (std::size_t i = 0; i < series.Count(); ++i) {
        json += i ? ",{\"color\":" : "{\"color\":";
        AppendJsonNumber(json, static_cast<double>(series.StoredColor(i)));
        json += ",\"label\":";
        AppendJsonString(json, series.Label(i));
        json += ",\"x\":";
        AppendJsonNumber(json, series.XValues()[i]);
        json += ",\"y\":";
        AppendJsonNumber(json, series.YValues()[i]);
        json += '}';
        FlushLargeJson(json, out);
    }
    out << json;
}

}  // namespace

void WriteChartsJson(std::ostream& out, TBatchCharts& charts)
{
    QJsonObject dump;
    std::map<QString, const TChart*> byName;  // in the order the JSON object writes its keys
    for (TBatchChart& chart : charts.Charts()) {
        MeasureAtWindowSize(chart);
        const QString name = QString::fromUtf8(chart.Name.data(), qsizetype(chart.Name.size()));
        dump[name] = ChartDumpJsonWithoutPoints(chart.Chart);
        byName[name] = &chart.Chart;
    }
    // Every series left its points empty, in the order written; a literal
    // "points":[] cannot stand inside a JSON string, whose quotes are escaped.
    std::vector<const TChartSeries*> series;
    for (const auto& [name, chart] : byName)
        for (const TChartSeries* one : chart->SeriesList())
            series.push_back(one);
    const QByteArray text = QJsonDocument(dump).toJson(QJsonDocument::Compact);
    const QByteArray placeholder = "\"points\":[]";
    qsizetype from = 0;
    for (const TChartSeries* one : series) {
        const qsizetype at = text.indexOf(placeholder, from);
        if (at < 0)
            throw std::logic_error("程序错误：图表输出中缺少数据点的位置");
        const qsizetype open = at + placeholder.size() - 1;
        out.write(text.constData() + from, open - from);
        WritePoints(out, *one);
        from = open;
    }
    out.write(text.constData() + from, text.size() - from);
}
