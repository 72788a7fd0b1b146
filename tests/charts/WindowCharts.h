#pragma once
// The four charts of the form with their laid-out series and the displays
// that fill them, and the compute command run on a window in memory.
#include <string>

#include "ChartDisplays.h"
#include "ComputeCommand.h"
#include "Errors.h"
#include "MemoryWindow.h"

struct TWindowCharts {
    TChart Chart1, Chart2, Chart3, Cht1;
    TChartDisplays Displays{{.Individuals = Chart2, .Xbar = Chart1, .Range = Chart3, .Distribution = Cht1}};
};

// Runs the compute command; returns the error message, "" when it succeeded.
inline std::string Compute(TMemoryWindow& window, TWindowCharts& charts)
{
    try {
        RunComputeCommand(window, &charts.Displays);
    } catch (const Exception& error) {
        return error.Message();
    }
    return {};
}
