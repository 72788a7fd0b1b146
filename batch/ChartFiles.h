#pragma once
// The chart files of --charts: one file per chart, named after its control
// (Chart1, Chart2, Chart3, cht1), at its size on the form; PNG at twice the
// pixels. Needs a QGuiApplication.
#include <string>

#include "BatchCharts.h"
#include "BatchOptions.h"
#include "ChartRendering.h"

// The file name of a chart in the format, without directory.
std::string ChartFileName(const TBatchChart& chart, TChartFormat format);

// How a chart of a file is painted: as the window paints it, or faster for
// more points than the window holds.
TChartPaint ChartFilePaint(const TChart& chart);

// Creates dir when missing. Throws TUsageError naming the file that could not be written.
void WriteChartFiles(TBatchCharts& charts, const std::string& dir, TChartFormat format);
