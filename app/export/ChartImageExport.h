#pragma once
// A chart of the window out of the window: on the clipboard as an image and
// as SVG, or in a PNG, SVG or PDF file, as the chart draws itself at the
// size it has in the window.
#include <QString>

#include "ChartRendering.h"

class TChartControl;

// The name a quality engineer knows the chart by: its title, or what it shows.
QString ChartDisplayName(const TChartControl& control);

TDocumentInfo ChartDocumentInfo(const TChartControl& control);

// Image data and image/svg+xml on the clipboard.
void CopyChartImage(TChartControl& control);

// The format follows the path's extension; an unknown one is an error.
void SaveChartImage(TChartControl& control, const QString& path);
