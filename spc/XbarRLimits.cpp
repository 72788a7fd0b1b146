// X-bar and R control limits: subgroup sums, ranges and means, the mean
// range, the control limits from the factor tables, and the capability of the
// process estimated from the mean range.
#include <cmath>
#include <string>

#include "ComputeStages.h"
#include "FactorTables.h"
#include "NumberText.h"
#include "NumericFunctions.h"

namespace {

std::string SubgroupLine(size_t j, const char* caption, float value)
{
    return "子组" + IntegerText(int64_t(j) + 1) + caption + PatternNumberText("0.000", value);
}

void AppendKeyValue(TWindowModel& window, const char* caption, float value)
{
    window.AppendMemoLine(Field::KeyValues, caption + PatternNumberText("0.000", value));
}

}  // namespace

void AccumulateSubgroupSums(TCPKValue& v)
{
    for (size_t j = 0; j < v.Subgroups.size(); ++j) {
        v.SubgroupSums[j] = 0;
        for (const double value : v.Subgroups[j].Data)
            v.SubgroupSums[j] = ToSingle(Extended(v.SubgroupSums[j]) + Extended(value));
    }
}

void ComputeXbarRLimits(TCPKValue& v, TWindowModel& window)
{
    const size_t k = static_cast<size_t>(v.SubgroupCount);
    const int n = v.SubgroupSize;
    v.SubgroupRanges.assign(k, 0.0f);
    v.SubgroupMeans.assign(k, 0.0f);
    for (size_t j = 0; j < k; ++j) {
        const float largest = MaxOfDoubles(v.Subgroups[j].Data);
        const float smallest = MinOfDoubles(v.Subgroups[j].Data);
        v.SubgroupRanges[j] = ToSingle(Extended(largest) - Extended(smallest));
    }
    for (size_t j = 0; j < k; ++j)
        v.SubgroupMeans[j] = ToSingle(ExtDiv(Extended(v.SubgroupSums[j]), Extended(v.SubgroupSizes[j])));

    for (const TWindowField* memo :
         {&Field::SubgroupSums, &Field::SubgroupMeans, &Field::SubgroupRanges, &Field::KeyValues})
        window.ClearMemo(*memo);
    for (size_t j = 0; j < k; ++j) {
        window.AppendMemoLine(Field::SubgroupSums, SubgroupLine(j, "和=:", v.SubgroupSums[j]));
        window.AppendMemoLine(Field::SubgroupMeans, SubgroupLine(j, "均值=:", v.SubgroupMeans[j]));
        window.AppendMemoLine(Field::SubgroupRanges, SubgroupLine(j, "极差=:", v.SubgroupRanges[j]));
        v.RangeSum = ToSingle(Extended(v.RangeSum) + Extended(v.SubgroupRanges[j]));
    }

    AppendKeyValue(window, "极差和=:", v.RangeSum);
    v.RBar = ToSingle(ExtDiv(Extended(v.RangeSum), Extended(v.SubgroupCount)));
    AppendKeyValue(window, "极差均值=:", v.RBar);
    // The centre line is the mean of all values, not a mean of subgroup means.
    AppendKeyValue(window, "子组均值的均值=:", v.Mean);

    v.XbarUCL = ToSingle(Extended(A2[n]) * Extended(v.RBar) + Extended(v.Mean));
    v.XbarLCL = ToSingle(Extended(v.Mean) - Extended(A2[n]) * Extended(v.RBar));
    AppendKeyValue(window, "均值控制上限=:", v.XbarUCL);
    AppendKeyValue(window, "均值控制下限=:", v.XbarLCL);

    v.RangeUCL = ToSingle(Extended(D4[n]) * Extended(v.RBar));
    v.RangeLCL = ToSingle(Extended(D3[n]) * Extended(v.RBar));
    AppendKeyValue(window, "极差控制上限=:", v.RangeUCL);
    AppendKeyValue(window, "极差控制下限=:", v.RangeLCL);

    v.SigmaR = ToSingle(ExtDiv(Extended(v.RBar), Extended(d2[n])));
    AppendKeyValue(window, "平均极差估计稳定的过程标准差Sigma=:", v.SigmaR);
    v.CPxr = ToSingle(ExtDiv(Extended(v.USL) - Extended(v.LSL), 6.0L * Extended(v.SigmaR)));
    AppendKeyValue(window, "稳定的过程能力指数CP=:", v.CPxr);
    v.K = ToSingle(ExtDiv(std::fabs(Extended(v.Centre) - Extended(v.Mean)), Extended(v.Tolerance) / 2.0L));
    AppendKeyValue(window, "K=:", v.K);
    v.CPKxr = ToSingle((1.0L - Extended(v.K)) * Extended(v.CPxr));
    AppendKeyValue(window, "XR图的CPK=:", v.CPKxr);
}
