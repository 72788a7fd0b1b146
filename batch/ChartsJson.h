#pragma once
// The four charts as the scenario runner dumps them, each painted at its
// size on the form first, as the runner does.
#include <string>

#include "BatchCharts.h"

// Needs a QGuiApplication (the paint measures texts).
std::string ChartsJson(TBatchCharts& charts);
