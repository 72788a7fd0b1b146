#pragma once
// The four charts as the scenario runner dumps them, each laid out at its
// size on the form first, as the runner's paint does.
#include "BatchCharts.h"
#include "JsonWriter.h"

// Needs a QGuiApplication (the layout measures texts in the chart fonts).
// Without points, every series lacks its "points" member.
void WriteChartsJson(TJsonWriter& json, TBatchCharts& charts, bool withPoints);
