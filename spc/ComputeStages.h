#pragma once
// The stages of the compute command, each one reading what the earlier stages
// left in the record and writing its result texts into the window. The
// command (ComputeCommand.cpp) runs them in order; an error ends it where it
// is raised.
#include "ResultRecord.h"
#include "WindowModel.h"

// The specification limits as the user typed them, before they are stored as
// Single: the readings are compared with these, and the summary labels show them.
struct TLimitsAsRead {
    Extended Upper = 0;
    Extended Lower = 0;
};

// SampleStatistics.cpp
TLimitsAsRead ReadLimits(TCPKValue& v, const TWindowModel& window);
void ReadMeasurements(TCPKValue& v, const TWindowModel& window, const TLimitsAsRead& limits);
void ReadSubgroupSize(TCPKValue& v, TWindowModel& window);
void WriteOverallStatistics(TCPKValue& v, TWindowModel& window);
void FormSubgroups(TCPKValue& v);
void ComputeWithinSigma(TCPKValue& v, TWindowModel& window);

// Capability.cpp
void EvaluateOverallCapability(TCPKValue& v, TWindowModel& window, const TLimitsAsRead& limits);
void EvaluateWithinCapability(TCPKValue& v, TWindowModel& window);

// Histogram.cpp
void StoreChartRange(TCPKValue& v);
void WriteClassCount(TCPKValue& v, TWindowModel& window);
void BuildHistogramAndCurves(TCPKValue& v, TWindowModel& window);

// XbarRLimits.cpp
void AccumulateSubgroupSums(TCPKValue& v);
void ComputeXbarRLimits(TCPKValue& v, TWindowModel& window);
