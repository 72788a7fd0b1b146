#pragma once
// The four charts of the form with their laid-out series and the displays
// that fill them, and the compute command run on a window in memory.
#include <string>

#include "ChartDisplays.h"
#include "ComputeCommand.h"
#include "Errors.h"
#include "FormCharts.h"
#include "MemoryWindow.h"

inline TChart& LaidOutDistributionChart(TChart& cht1)
{
    LayOutFormChart(cht1, "cht1");
    return cht1;
}

struct TWindowCharts {
    TChart Chart1, Chart2, Chart3, Cht1;
    TChartDisplays Displays{{Chart1, *LayOutFormChart(Chart1, "Chart1")},
                            {Chart2, *LayOutFormChart(Chart2, "Chart2")},
                            {Chart3, *LayOutFormChart(Chart3, "Chart3")},
                            LaidOutDistributionChart(Cht1)};
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
