#pragma once
// The chart's state as the scenario runner dumps it: properties, series with
// their points, and what the last paint computed.
#include <QJsonObject>

#include "Chart.h"

QJsonObject ChartDumpJson(const TChart& chart);
