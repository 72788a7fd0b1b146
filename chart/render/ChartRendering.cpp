#include "ChartRendering.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "QtCanvas.h"
#include "QtTextMeasurer.h"

namespace {

constexpr int ScreenDotsPerInch = 96;
constexpr int PngScale = 2;

}  // namespace

void RenderChart(TChart& chart, QPainter& painter, int width, int height)
{
    TQtCanvas canvas(painter);
    try {
        chart.Paint(canvas, width, height);
    } catch (const std::exception&) {
    }
}

TChartLayout LayOutChart(TChart& chart, int width, int height)
{
    TQtTextMeasurer measurer;
    try {
        return chart.LayOut(measurer, width, height);
    } catch (const std::exception&) {
        return {};
    }
}

QImage PaintChartImage(TChart& chart, int width, int height, int scale, TChartPaint paint)
{
    QImage image(qMax(width, 1) * scale, qMax(height, 1) * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    // The painter works in the window's pixels; the image has scale times as many.
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    paint(chart, painter, width, height);
    painter.end();
    image.setDevicePixelRatio(1);
    return image;
}

std::optional<TChartFileFormat> ChartFileFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return TChartFileFormat::Png;
    if (suffix == QLatin1String("svg"))
        return TChartFileFormat::Svg;
    if (suffix == QLatin1String("pdf"))
        return TChartFileFormat::Pdf;
    return std::nullopt;
}

QByteArray ChartPng(TChart& chart, int width, int height, TChartPaint paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    PaintChartImage(chart, width, height, PngScale, paint).save(&buffer, "PNG");
    return bytes;
}

QByteArray ChartSvg(TChart& chart, int width, int height, const TDocumentInfo& info, TChartPaint paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(width, height));
    svg.setViewBox(QRect(0, 0, width, height));
    svg.setResolution(ScreenDotsPerInch);
    svg.setTitle(info.Title);
    svg.setDescription(info.Creator);
    QPainter painter(&svg);
    paint(chart, painter, width, height);
    painter.end();
    return bytes;
}

QByteArray ChartPdf(TChart& chart, int width, int height, const TDocumentInfo& info, TChartPaint paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(info.Title);
        pdf.setCreator(info.Creator);
        pdf.setResolution(ScreenDotsPerInch);
        // One page of exactly the chart's size: 72 points per 96 pixels.
        const QPageSize page(QSizeF(width * 72.0 / ScreenDotsPerInch, height * 72.0 / ScreenDotsPerInch),
                             QPageSize::Point, QString(), QPageSize::ExactMatch);
        pdf.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&pdf);
        paint(chart, painter, width, height);
    }
    return bytes;
}

QByteArray ChartFileBytes(TChart& chart, TChartFileFormat format, int width, int height, const TDocumentInfo& info,
                          TChartPaint paint)
{
    switch (format) {
    case TChartFileFormat::Png: return ChartPng(chart, width, height, paint);
    case TChartFileFormat::Svg: return ChartSvg(chart, width, height, info, paint);
    case TChartFileFormat::Pdf: return ChartPdf(chart, width, height, info, paint);
    }
    return {};
}
