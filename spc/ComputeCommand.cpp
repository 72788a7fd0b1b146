#include "ComputeCommand.h"

#include "ComputeStages.h"

void RunComputeCommand(TWindowModel& window, TComputeCharts* charts)
{
    TarryCpk& record = StartNewCurrentCpk();
    TCPKValue& v = record.Value;

    const TLimitsAsRead limits = ReadLimits(v, window);
    ReadMeasurements(v, window, limits);
    ReadSubgroupSize(v, window);
    WriteOverallStatistics(v, window);
    EvaluateOverallCapability(v, window, limits);

    StoreChartRange(v);
    if (charts)
        charts->FillIndividualsChart(v);
    WriteClassCount(v, window);

    FormSubgroups(v);
    AccumulateSubgroupSums(v);
    ComputeWithinSigma(v, window);
    EvaluateWithinCapability(v, window);

    BuildHistogramAndCurves(v, window);
    record.HistogramComplete = true;
    if (charts)
        charts->DrawDistributionChart(v);

    ComputeXbarRLimits(v, window);
    if (charts)
        charts->FillControlCharts(v);
}
