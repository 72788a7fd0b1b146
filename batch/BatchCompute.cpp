#include "BatchCompute.h"

#include "ComputeCommand.h"
#include "DisplayedError.h"

std::optional<std::string> ComputeAsWindow(TWindowModel& window, TComputeCharts* charts)
{
    return DisplayedErrorOf([&] { RunComputeCommand(window, charts); });
}
