#include "ChartFiles.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "QtCanvas.h"

namespace {

// An exception may not leave a paint; what was drawn stays, as in the window.
void Paint(TBatchChart& chart, QPainter& painter)
{
    TQtCanvas canvas(painter);
    try {
        chart.Chart.Paint(canvas, chart.Width, chart.Height);
    } catch (const std::exception&) {
    }
}

bool WritePng(TBatchChart& chart, const QString& path)
{
    QImage image(chart.Width * 2, chart.Height * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        Paint(chart, painter);
    }
    return image.save(path, "PNG");
}

bool WriteSvg(TBatchChart& chart, const QString& path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(chart.Width, chart.Height));
    svg.setViewBox(QRect(0, 0, chart.Width, chart.Height));
    svg.setTitle(QString::fromUtf8(chart.Name.data(), qsizetype(chart.Name.size())));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    painter.fillRect(QRect(0, 0, chart.Width, chart.Height), Qt::white);
    Paint(chart, painter);
    return painter.end();
}

bool WritePdf(TBatchChart& chart, const QString& path)
{
    QPdfWriter pdf(path);
    // One point per window pixel, the page as large as the chart.
    pdf.setResolution(72);
    pdf.setPageSize(QPageSize(QSizeF(chart.Width, chart.Height), QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(QString::fromUtf8(chart.Name.data(), qsizetype(chart.Name.size())));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    Paint(chart, painter);
    return painter.end();
}

}  // namespace

std::string ChartFileName(const TBatchChart& chart, TChartFormat format)
{
    const char* extension = format == TChartFormat::Png ? ".png" : format == TChartFormat::Svg ? ".svg" : ".pdf";
    return std::string(chart.Name) + extension;
}

void WriteChartFiles(TBatchCharts& charts, const std::string& dir, TChartFormat format)
{
    const QString directory = QString::fromStdString(dir);
    if (!QDir().mkpath(directory))
        throw TUsageError("无法创建图表目录“" + dir + "”");
    for (TBatchChart& chart : charts.Charts()) {
        const std::string name = ChartFileName(chart, format);
        const QString path = QDir(directory).filePath(QString::fromStdString(name));
        const bool written = format == TChartFormat::Png   ? WritePng(chart, path)
                             : format == TChartFormat::Svg ? WriteSvg(chart, path)
                                                           : WritePdf(chart, path);
        if (!written)
            throw TUsageError("无法写入图表文件“" + path.toStdString() + "”");
    }
}
