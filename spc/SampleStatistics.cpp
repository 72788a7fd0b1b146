// Sample collection and descriptive statistics: the limits, the measurements
// of the grid, the subgroup size, count, mean, extremes, the overall standard
// deviation, the subgroups and the within-subgroup sigma.
#include <string>

#include "ComputeStages.h"
#include "Errors.h"
#include "FactorTables.h"
#include "NumberText.h"
#include "NumericFunctions.h"

namespace {

// Visits every non-empty cell text, rows outer, columns inner.
template <typename Visit>
void ForEachMeasurement(const TWindowModel& window, Visit visit)
{
    const int rows = window.RowCount(), cols = window.ColCount();
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < cols; ++col) {
            const std::string text = window.Cell(col, row);
            if (!text.empty())
                visit(text);
        }
}

std::string FirstMeasurementText(const TWindowModel& window)
{
    const int rows = window.RowCount(), cols = window.ColCount();
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < cols; ++col) {
            std::string text = window.Cell(col, row);
            if (!text.empty())
                return text;
        }
    return {};
}

}  // namespace

TLimitsAsRead ReadLimits(TCPKValue& v, const TWindowModel& window)
{
    TLimitsAsRead limits;
    limits.Upper = ParseDecimalText(window.Text(Field::Usl));
    v.USL = ToSingle(limits.Upper);
    v.Target = ToSingle(ParseDecimalText(window.Text(Field::Target)));
    limits.Lower = ParseDecimalText(window.Text(Field::Lsl));
    v.LSL = ToSingle(limits.Lower);
    return limits;
}

void ReadMeasurements(TCPKValue& v, const TWindowModel& window, const TLimitsAsRead& limits)
{
    // The extremes start from the first measurement wherever it stands; a grid
    // without one reads as the empty text and is refused like it.
    v.DataMax = ToSingle(ParseDecimalText(FirstMeasurementText(window)));
    v.DataMin = v.DataMax;
    v.Count = 0;
    v.AboveUSLCount = 0;
    v.BelowLSLCount = 0;
    v.Sum = 0;

    ForEachMeasurement(window, [&](const std::string& text) {
        ++v.Count;
        const Extended reading = ParseDecimalText(text);
        v.Sum = ToSingle(reading + Extended(v.Sum));
        if (reading > Extended(v.DataMax))
            v.DataMax = ToSingle(reading);
        if (reading < Extended(v.DataMin))
            v.DataMin = ToSingle(reading);
        // Against the limits as typed, so a reading written like a limit is not beyond it.
        if (reading > limits.Upper)
            ++v.AboveUSLCount;
        if (reading < limits.Lower)
            ++v.BelowLSLCount;
    });

    v.Values.assign(static_cast<size_t>(v.Count), 0.0);
    size_t next = 0;
    ForEachMeasurement(window, [&](const std::string& text) { v.Values[next++] = ToDouble(ParseDecimalText(text)); });
}

void ReadSubgroupSize(TCPKValue& v, TWindowModel& window)
{
    const int32_t n = ParseIntegerText(window.Text(Field::SubgroupSize));
    // 0 falls through to the division below; 1 fails at the subgroup deviations.
    if (n < 0 || n > LargestTabledSubgroupSize)
        throw ERangeError("Subgroup size " + IntegerText(n) + " is outside the range 1 to " +
                          IntegerText(LargestTabledSubgroupSize));
    v.SubgroupSize = n;
    if (n == 0)
        throw EDivByZero();
    v.SubgroupCount = v.Count / n;
    window.SetText(Field::SubgroupCount, IntegerText(v.SubgroupCount));
}

void WriteOverallStatistics(TCPKValue& v, TWindowModel& window)
{
    v.Mean = ToSingle(ExtDiv(Extended(v.Sum), Extended(v.Count)));
    window.SetText(Field::Count, IntegerText(v.Count));
    window.SetText(Field::Mean, GeneralNumberText(v.Mean));
    window.SetText(Field::Max, GeneralNumberText(v.DataMax));
    window.SetText(Field::Min, GeneralNumberText(v.DataMin));

    v.StdDevAll = SampleStdDev(v.Values);
    window.SetText(Field::StdDevOverall, GeneralNumberText(v.StdDevAll));
}

void FormSubgroups(TCPKValue& v)
{
    const size_t k = static_cast<size_t>(v.SubgroupCount);
    const size_t n = static_cast<size_t>(v.SubgroupSize);
    v.SubgroupSums.assign(k, 0.0f);
    v.SubgroupStdDevs.assign(k, 0.0L);
    v.Subgroups.assign(k, TCPKZNValue{});
    v.SubgroupSizes.assign(k, 0);
    for (size_t j = 0; j < k; ++j) {
        v.SubgroupSizes[j] = v.SubgroupSize;
        v.Subgroups[j].Data.assign(n, 0.0);
    }
    size_t i = 0;
    for (size_t j = 0; j < k; ++j)
        for (size_t m = 0; m < n; ++m)
            v.Subgroups[j].Data[m] = v.Values[i++];
}

void ComputeWithinSigma(TCPKValue& v, TWindowModel& window)
{
    const size_t k = static_cast<size_t>(v.SubgroupCount);
    for (size_t j = 0; j < k; ++j)
        v.SubgroupStdDevs[j] = SampleStdDev(v.Subgroups[j].Data);
    v.SubgroupStdDevSum = 0;
    for (size_t j = 0; j < k; ++j)
        v.SubgroupStdDevSum = ToSingle(v.SubgroupStdDevs[j] + Extended(v.SubgroupStdDevSum));

    v.SBar = ToSingle(ExtDiv(Extended(v.SubgroupStdDevSum), Extended(v.SubgroupCount)));
    v.SigmaWithin = ToSingle(ExtDiv(Extended(v.SBar), Extended(c4[v.SubgroupSize])));
    v.Plus3Sigma = ToSingle(3.0L * Extended(v.SigmaWithin) + Extended(v.Mean));
    v.Minus3Sigma = ToSingle(-3.0L * Extended(v.SigmaWithin) + Extended(v.Mean));
    window.SetText(Field::StdDevWithin, GeneralNumberText(v.SigmaWithin));
    window.SetText(Field::Plus3Sigma, GeneralNumberText(v.Plus3Sigma));
    window.SetText(Field::Minus3Sigma, GeneralNumberText(v.Minus3Sigma));
}
