#pragma once
// The chart's state as the scenario runner dumps it: properties, series with
// their points, and what a paint computes (the layout given).
#include <QJsonObject>

#include "Chart.h"

QJsonObject ChartDumpJson(const TChart& chart, const TChartLayout& layout);

// The same with every series' "points" an empty array, for a writer that
// writes a million points itself instead of building them as JSON objects.
QJsonObject ChartDumpJsonWithoutPoints(const TChart& chart, const TChartLayout& layout);
