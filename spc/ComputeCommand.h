#pragma once
// The compute command "计算CPK(整体)", the body of Button3Click: reads the limits, the
// subgroup size and the grid, makes a fresh record current, runs every stage
// in order and writes every result text. An error ends it where it is raised:
// texts written before stay, the record keeps what was filled.
#include "ComputeCharts.h"
#include "WindowModel.h"

// charts may be null (no chart displays attached).
void RunComputeCommand(TWindowModel& window, TComputeCharts* charts);
