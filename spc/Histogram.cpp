// The chart range of all values, the Sturges class count, and the histogram
// of twelve classes with the overall and within-subgroup density curves.

#include "ComputeStages.h"
#include "Errors.h"
#include "NumberText.h"
#include "NumericFunctions.h"

namespace {

constexpr int8_t ThreeDecimals = -3;
constexpr Extended FirstLimitBelowStart = 0.005L;
// The narrowest class the histogram uses.
constexpr float NarrowestClassWidth = 0.001f;

float FirstClassLimit(float start)
{
    return ToSingle(RoundAtPowerOfTen(ToDouble(Extended(start) - FirstLimitBelowStart), ThreeDecimals));
}

float NextClassLimit(float limit, float classWidth)
{
    return ToSingle(RoundAtPowerOfTen(ToDouble(Extended(limit) + Extended(classWidth)), ThreeDecimals));
}

// The classes start at ChartMin; when a lower limit far below the data would
// leave the top of the data outside them, they start at DataMin. Decided on
// a trial run that writes nothing: when the trial fails, the limits formed
// from ChartMin fail at the same limit, after its earlier lines are written.
float ClassStart(const TCPKValue& v)
{
    try {
        float limit = FirstClassLimit(v.ChartMin);
        for (int i = 1; i <= 11; ++i)
            limit = NextClassLimit(limit, v.ClassWidth);
        return limit <= v.DataMax ? v.DataMin : v.ChartMin;
    } catch (const Exception&) {
        return v.ChartMin;
    }
}

void CountFrequencies(TCPKValue& v)
{
    v.Frequencies.fill(0);
    TFixedTable<double, 1, 12> limits;
    for (int i = 1; i <= 12; ++i)
        limits[i] = RoundAtPowerOfTen(v.ClassLimits[i], ThreeDecimals);
    // Only the values of whole subgroups are classified.
    const size_t classified = size_t(v.SubgroupCount) * size_t(v.SubgroupSize);
    for (size_t index = 0; index < classified; ++index) {
        const double x = RoundAtPowerOfTen(v.Values[index], ThreeDecimals);
        if (x >= 0 && x < limits[1])
            ++v.Frequencies[0];
        for (int i = 1; i <= 11; ++i)
            if (limits[i] <= x && x < limits[i + 1])
                ++v.Frequencies[i];
    }
}

void WriteCurve(std::array<float, 12>& curve, const TCPKValue& v, float sigma, TWindowModel& window,
                const TWindowField& memo, const char* caption)
{
    window.ClearMemo(memo);
    for (int i = 0; i < 12; ++i) {
        curve[i] = NormalDensity(v.ClassLimits[i + 1], v.Mean, sigma);
        window.AppendMemoLine(memo, caption + PatternNumberText("0.000000", curve[i]));
    }
}

}  // namespace

void StoreChartRange(TCPKValue& v)
{
    v.ChartMax = v.DataMax > v.USL ? v.DataMax : v.USL;
    v.ChartMin = v.DataMin >= v.LSL ? v.LSL : v.DataMin;
}

void WriteClassCount(TCPKValue& v, TWindowModel& window)
{
    v.ClassCount = SturgesClassCount(v.Count);
    window.SetText(Field::ClassCount, IntegerText(v.ClassCount));
}

void BuildHistogramAndCurves(TCPKValue& v, TWindowModel& window)
{
    WriteClassCount(v, window);

    window.ClearMemo(Field::ClassValues);
    const Extended span = Extended(v.DataMax) - Extended(v.DataMin);
    v.ClassWidth = ToSingle(RoundAtPowerOfTen(ToDouble(ExtDiv(span, Extended(v.ClassCount))), ThreeDecimals));
    if (v.ClassWidth == 0.0f)
        v.ClassWidth = NarrowestClassWidth;  // a zero width would pile every limit on one point
    window.AppendMemoLine(Field::ClassValues, "组距=:" + PatternNumberText("0.000000", v.ClassWidth));

    // Each limit's line is written as soon as the limit is formed.
    v.ClassLimits[1] = FirstClassLimit(ClassStart(v));
    window.AppendMemoLine(Field::ClassValues, "组界限=:" + PatternNumberText("0.000", v.ClassLimits[1]));
    for (int i = 1; i <= 11; ++i) {
        v.ClassLimits[i + 1] = NextClassLimit(v.ClassLimits[i], v.ClassWidth);
        window.AppendMemoLine(Field::ClassValues, "组界限=:" + PatternNumberText("0.000", v.ClassLimits[i + 1]));
    }

    CountFrequencies(v);
    window.ClearMemo(Field::Frequencies);
    for (const int32_t frequency : v.Frequencies)
        window.AppendMemoLine(Field::Frequencies, "频率=:" + IntegerText(frequency));

    WriteCurve(v.OverallCurve, v, ToSingle(v.StdDevAll), window, Field::OverallCurve, "整体分布=:");
    WriteCurve(v.WithinCurve, v, v.SigmaWithin, window, Field::WithinCurve, "组内分布=:");

    const float overallMax = MaxOfSingles(v.OverallCurve);
    const float withinMax = MaxOfSingles(v.WithinCurve);
    v.MaxCurve = overallMax > withinMax ? overallMax : withinMax;
    v.MaxFrequency = MaxOfIntegers(v.Frequencies);
}
