#pragma once
// A chart drawn by the chart component through its canvas onto any paint
// device: the window's control, an image, an SVG or PDF document, a printer.
// Needs Qt GUI only, so charts can be rendered without any widget.
#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

#include "Chart.h"

class QPainter;

// Paints the chart as a panel of width x height at the painter's origin. An
// exception stays inside: what was drawn stays and the next paint starts
// again. Afterwards the chart's run-time layout is that of this size.
void RenderChart(TChart& chart, QPainter& painter, int width, int height);

// The layout a paint at width x height computes, measured in the chart fonts
// as on an image, without drawing. An exception stays inside: the layout is
// then an empty one.
TChartLayout LayOutChart(TChart& chart, int width, int height);

// How a file's chart is painted: RenderChart, or a painter of the same
// pixels that is faster for charts far beyond the window's size.
using TChartPaint = void (*)(TChart& chart, QPainter& painter, int width, int height);

// The chart in an image, white where nothing is drawn; with scale 2 the
// image has twice the pixels each way and the same layout.
QImage PaintChartImage(TChart& chart, int width, int height, int scale = 1, TChartPaint paint = RenderChart);

enum class TChartFileFormat { Png, Svg, Pdf };

// By the path's extension (.png, .svg, .pdf in any case); none for others.
std::optional<TChartFileFormat> ChartFileFormatOf(const QString& path);

// What a vector document says about itself.
struct TDocumentInfo {
    QString Title;
    QString Creator;  // the application
};

// The chart as the contents of a file, laid out at width x height pixels of
// the window: PNG at twice the pixels; SVG and PDF as vector drawings with
// real text, 96 pixels per inch.
QByteArray ChartPng(TChart& chart, int width, int height, TChartPaint paint = RenderChart);
QByteArray ChartSvg(TChart& chart, int width, int height, const TDocumentInfo& info, TChartPaint paint = RenderChart);
QByteArray ChartPdf(TChart& chart, int width, int height, const TDocumentInfo& info, TChartPaint paint = RenderChart);
QByteArray ChartFileBytes(TChart& chart, TChartFileFormat format, int width, int height, const TDocumentInfo& info,
                          TChartPaint paint = RenderChart);
