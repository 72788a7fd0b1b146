#pragma once
// The chart steps of the compute command. The chart displays implement them;
// the computation only calls them at their place in the stage order.
#include "ResultRecord.h"

class TComputeCharts {
public:
    virtual ~TComputeCharts() = default;
    // Chart2, all values against the limits; right after the overall capability.
    virtual void FillIndividualsChart(const TCPKValue& v) = 0;
    // cht1, at the end of the histogram stage.
    virtual void DrawDistributionChart(const TCPKValue& v) = 0;
    // Chart1 and Chart3, the last step of the command.
    virtual void FillControlCharts(const TCPKValue& v) = 0;
};
