#include "WindowFields.h"

namespace {

using namespace Field;

constexpr const TWindowField* Fields[] = {
    &SubgroupSize,
    &SubgroupCount,
    &Count,
    &SubgroupSizeShown,
    &Mean,
    &Max,
    &Min,
    &Usl,
    &Target,
    &Lsl,
    &Plus3Sigma,
    &Minus3Sigma,
    &StdDevWithin,
    &StdDevOverall,
    &ClassCount,
    &CpkWithin,
    &CpkOverall,
    &CpWithin,
    &CpOverall,
    &CplWithin,
    &CplOverall,
    &CpuWithin,
    &CpuOverall,
    &PpmBelowWithin,
    &PpmBelowOverall,
    &PpmBelowMeasured,
    &PpmAboveWithin,
    &PpmAboveOverall,
    &PpmAboveMeasured,
    &PpmTotalWithin,
    &PpmTotalOverall,
    &PpmTotalMeasured,
    &Ca,
    &AboveUslSummary,
    &BelowLslSummary,
    &OutsideSummary,
    &ClassValues,
    &Frequencies,
    &OverallCurve,
    &WithinCurve,
    &SubgroupSums,
    &SubgroupMeans,
    &SubgroupRanges,
    &KeyValues,
};

}  // namespace

std::span<const TWindowField* const> WindowFields() { return Fields; }

const TWindowField* FindWindowField(std::string_view control)
{
    for (const TWindowField* field : Fields)
        if (field->Control == control)
            return field;
    return nullptr;
}
