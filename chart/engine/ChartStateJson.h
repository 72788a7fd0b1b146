#pragma once
// The chart's state as the scenario runner dumps it and the batch writes it:
// properties, series with their points, and what a paint computes (the layout
// given). Members stand in name order, as in any JSON object the runner writes.
#include "Chart.h"
#include "ChartLayout.h"
#include "JsonWriter.h"

// Without points, every series lacks its "points" member.
void WriteChartState(TJsonWriter& json, const TChart& chart, const TChartLayout& layout, bool withPoints);
