// Capability indices and nonconformance, once with the overall standard
// deviation and once with the within-subgroup sigma. The overall evaluation
// also gives CA, the measured nonconformance and the three summary labels.
#include <string>

#include "ComputeStages.h"
#include "NumericFunctions.h"
#include "app/core/NumberText.h"

namespace {

constexpr Extended PartsPerMillion = 1000000.0L;

// CP, CPL, CPU and CPK for sigma; the control names are those of the column.
struct TIndexControls {
    const char* CP;
    const char* CPL;
    const char* CPU;
    const char* CPK;
};

void EvaluateIndices(TCPKValue& v, TWindowModel& window, Extended sigma, const TIndexControls& controls)
{
    const Extended usl = v.USL, lsl = v.LSL, mean = v.Mean;
    v.CP = ToSingle(ExtDiv(usl - lsl, sigma * 6.0L));
    window.SetText(controls.CP, GeneralNumberText(v.CP));

    // Signed: a mean beyond a limit gives a negative index on that side.
    v.CPL = ToSingle(ExtDiv(mean - lsl, sigma * 3.0L));
    v.CPU = ToSingle(ExtDiv(usl - mean, sigma * 3.0L));
    window.SetText(controls.CPL, GeneralNumberText(v.CPL));
    window.SetText(controls.CPU, GeneralNumberText(v.CPU));

    v.CPK = v.CPU >= v.CPL ? v.CPL : v.CPU;
    window.SetText(controls.CPK, GeneralNumberText(v.CPK));
}

// Expected parts per million below, above and outside the limits.
struct TPpmControls {
    const char* Below;
    const char* Above;
    const char* Total;
};

void EvaluateExpectedPpm(TCPKValue& v, TWindowModel& window, float sigma, const TPpmControls& controls)
{
    v.PPMBelowLSL = ToSingle(PartsPerMillion * Extended(NormalCdfPowers(v.LSL, v.Mean, sigma)));
    window.SetText(controls.Below, GeneralNumberText(v.PPMBelowLSL));
    v.PPMAboveUSL =
        ToSingle(PartsPerMillion * (1.0L - Extended(NormalCdfHorner(v.USL, v.Mean, sigma))));
    window.SetText(controls.Above, GeneralNumberText(v.PPMAboveUSL));
    v.PPMTotal = ToSingle(Extended(v.PPMBelowLSL) + Extended(v.PPMAboveUSL));
    window.SetText(controls.Total, GeneralNumberText(v.PPMTotal));
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

} // namespace

void EvaluateOverallCapability(TCPKValue& v, TWindowModel& window, const TLimitsAsRead& limits)
{
    EvaluateIndices(v, window, v.StdDevAll, {"Edit16", "Edit18", "Edit20", "Edit14"});

    v.Centre = ToSingle((Extended(v.USL) + Extended(v.LSL)) / 2.0L);
    v.Tolerance = ToSingle(Extended(v.USL) - Extended(v.LSL));
    v.CA = ToSingle(ExtDiv(Extended(v.Mean) - Extended(v.Centre), Extended(v.Tolerance) / 2.0L));
    window.SetText("Edit21", GeneralNumberText(v.CA));

    EvaluateExpectedPpm(v, window, ToSingle(v.StdDevAll), {"Edit22", "Edit23", "Edit26"});

    const int32_t outside = v.BelowLSLCount + v.AboveUSLCount;
    window.SetText("Edit24", GeneralNumberText(ShareOfCount(v.BelowLSLCount, v, PartsPerMillion)));
    window.SetText("Edit25", GeneralNumberText(ShareOfCount(v.AboveUSLCount, v, PartsPerMillion)));
    window.SetText("Edit27", GeneralNumberText(ShareOfCount(outside, v, PartsPerMillion)));

    // The labels name the limits as typed.
    window.SetText("Label27", SummaryText("高于规格" + GeneralNumberText(limits.Upper) + "数量=", v.AboveUSLCount, v));
    window.SetText("Label29", SummaryText("低于规格" + GeneralNumberText(limits.Lower) + "数量=", v.BelowLSLCount, v));
    window.SetText("Label30", SummaryText("不合格数量=", outside, v));
}

void EvaluateWithinCapability(TCPKValue& v, TWindowModel& window)
{
    EvaluateIndices(v, window, v.SigmaWithin, {"Edit15", "Edit17", "Edit19", "Edit13"});
    EvaluateExpectedPpm(v, window, v.SigmaWithin, {"Edit28", "Edit29", "Edit30"});
}
