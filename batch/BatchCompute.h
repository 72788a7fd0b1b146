#pragma once
// The compute command as the window runs it: an error ends it where it is
// raised and is worded as the error display shows it.
#include <optional>
#include <string>

#include "ComputeCharts.h"
#include "WindowModel.h"

// The shown message when the command stopped with an error, nothing when it ran to its end.
std::optional<std::string> ComputeAsWindow(TWindowModel& window, TComputeCharts* charts);
