#pragma once
// The four charts as the scenario runner dumps them, each laid out at its
// size on the form first, as the runner's paint does.
#include <ostream>

#include "BatchCharts.h"

// Needs a QGuiApplication (the paint measures texts).
void WriteChartsJson(std::ostream& out, TBatchCharts& charts);
