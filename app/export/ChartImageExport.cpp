#include "ChartImageExport.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>

#include "ChartControl.h"
#include "Errors.h"
#include "ExportInfo.h"
#include "SafeFile.h"
#include "WindowChartTable.h"

QString ChartDisplayName(const TChartControl& control)
{
    const TChart& chart = control.Chart();
    if (chart.Title().Visible() && !chart.Title().Text().empty())
        return QString::fromStdString(chart.Title().Text().front());
    if (const TWindowChart* formChart = FindWindowChart(control.objectName().toStdString()))
        return QString::fromUtf8(formChart->Label.data(), qsizetype(formChart->Label.size()));
    return control.objectName();
}

TDocumentInfo ChartDocumentInfo(const TChartControl& control)
{
    return {ApplicationDocumentTitle() + QStringLiteral(" – ") + ChartDisplayName(control), ApplicationCreator()};
}

void CopyChartImage(TChartControl& control)
{
    TChart& chart = control.Chart();
    auto* data = new QMimeData;
    data->setImageData(PaintChartImage(chart, control.width(), control.height()));
    data->setData(QStringLiteral("image/svg+xml"),
                  ChartSvg(chart, control.width(), control.height(), ChartDocumentInfo(control)));
    QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
}

void SaveChartImage(TChartControl& control, const QString& path)
{
    const auto format = ChartFileFormatOf(path);
    if (!format)
        throw Exception(QStringLiteral("无法保存文件“%1”：图像只能保存为 PNG、SVG 或 PDF 文件")
                            .arg(QDir::toNativeSeparators(path))
                            .toStdString());
    WriteFileSafely(
        path, ChartFileBytes(control.Chart(), *format, control.width(), control.height(), ChartDocumentInfo(control)));
}
