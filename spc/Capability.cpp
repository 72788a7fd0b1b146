// Capability indices and nonconformance, once with the overall standard
// deviation and once with the within-subgroup sigma. The overall evaluation
// also gives CA, the measured nonconformance and the three summary labels.
#include <string>

#include "ComputeStages.h"
#include "NumberText.h"
#include "NumericFunctions.h"

namespace {

constexpr Extended PartsPerMillion = 1000000.0L;

// CP, CPL, CPU and CPK for sigma: the fields of one column.
struct TIndexFields {
    const TWindowField& CP;
    const TWindowField& CPL;
    const TWindowField& CPU;
    const TWindowField& CPK;
};

void EvaluateIndices(TCPKValue& v, TWindowModel& window, Extended sigma, const TIndexFields& fields)
{
    const Extended usl = v.USL, lsl = v.LSL, mean = v.Mean;
    v.CP = ToSingle(ExtDiv(usl - lsl, sigma * 6.0L));
    window.SetText(fields.CP, GeneralNumberText(v.CP));

    // Signed: a mean beyond a limit gives a negative index on that side.
    v.CPL = ToSingle(ExtDiv(mean - lsl, sigma * 3.0L));
    v.CPU = ToSingle(ExtDiv(usl - mean, sigma * 3.0L));
    window.SetText(fields.CPL, GeneralNumberText(v.CPL));
    window.SetText(fields.CPU, GeneralNumberText(v.CPU));

    v.CPK = v.CPU >= v.CPL ? v.CPL : v.CPU;
    window.SetText(fields.CPK, GeneralNumberText(v.CPK));
}

// Expected parts per million below, above and outside the limits.
struct TPpmFields {
    const TWindowField& Below;
    const TWindowField& Above;
    const TWindowField& Total;
};

void EvaluateExpectedPpm(TCPKValue& v, TWindowModel& window, float sigma, const TPpmFields& fields)
{
    v.PPMBelowLSL = ToSingle(PartsPerMillion * Extended(NormalCdfPowers(v.LSL, v.Mean, sigma)));
    window.SetText(fields.Below, GeneralNumberText(v.PPMBelowLSL));
    v.PPMAboveUSL = ToSingle(PartsPerMillion * (1.0L - Extended(NormalCdfHorner(v.USL, v.Mean, sigma))));
    window.SetText(fields.Above, GeneralNumberText(v.PPMAboveUSL));
    v.PPMTotal = ToSingle(Extended(v.PPMBelowLSL) + Extended(v.PPMAboveUSL));
    window.SetText(fields.Total, GeneralNumberText(v.PPMTotal));
}

// The share of all readings, quotient first.
Extended ShareOfCount(int32_t count, const TCPKValue& v, Extended scale)
{
    return ExtDiv(Extended(count), Extended(v.Count)) * scale;
}

std::string SummaryText(const std::string& caption, int32_t count, const TCPKValue& v)
{
    return caption + IntegerText(count) + "百分比 " + GeneralNumberText(ShareOfCount(count, v, 100.0L)) + "%";
}

}  // namespace

void EvaluateOverallCapability(TCPKValue& v, TWindowModel& window, const TLimitsAsRead& limits)
{
    EvaluateIndices(v, window, v.StdDevAll,
                    {Field::CpOverall, Field::CplOverall, Field::CpuOverall, Field::CpkOverall});

    v.Centre = ToSingle((Extended(v.USL) + Extended(v.LSL)) / 2.0L);
    v.Tolerance = ToSingle(Extended(v.USL) - Extended(v.LSL));
    v.CA = ToSingle(ExtDiv(Extended(v.Mean) - Extended(v.Centre), Extended(v.Tolerance) / 2.0L));
    window.SetText(Field::Ca, GeneralNumberText(v.CA));

    EvaluateExpectedPpm(v, window, ToSingle(v.StdDevAll),
                        {Field::PpmBelowOverall, Field::PpmAboveOverall, Field::PpmTotalOverall});

    const int32_t outside = v.BelowLSLCount + v.AboveUSLCount;
    window.SetText(Field::PpmBelowMeasured, GeneralNumberText(ShareOfCount(v.BelowLSLCount, v, PartsPerMillion)));
    window.SetText(Field::PpmAboveMeasured, GeneralNumberText(ShareOfCount(v.AboveUSLCount, v, PartsPerMillion)));
    window.SetText(Field::PpmTotalMeasured, GeneralNumberText(ShareOfCount(outside, v, PartsPerMillion)));

    // The labels name the limits as typed.
    window.SetText(Field::AboveUslSummary,
                   SummaryText("高于规格" + GeneralNumberText(limits.Upper) + "数量=", v.AboveUSLCount, v));
    window.SetText(Field::BelowLslSummary,
                   SummaryText("低于规格" + GeneralNumberText(limits.Lower) + "数量=", v.BelowLSLCount, v));
    window.SetText(Field::OutsideSummary, SummaryText("不合格数量=", outside, v));
}

void EvaluateWithinCapability(TCPKValue& v, TWindowModel& window)
{
    EvaluateIndices(v, window, v.SigmaWithin, {Field::CpWithin, Field::CplWithin, Field::CpuWithin, Field::CpkWithin});
    EvaluateExpectedPpm(v, window, v.SigmaWithin,
                        {Field::PpmBelowWithin, Field::PpmAboveWithin, Field::PpmTotalWithin});
}
