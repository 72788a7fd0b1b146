#pragma once
// The chart's state as the scenario runner dumps it, as a Qt JSON object to
// stand among the window's other parts.
#include <QJsonObject>

#include "Chart.h"

QJsonObject ChartDumpJson(const TChart& chart, const TChartLayout& layout);
