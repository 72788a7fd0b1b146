#include "WindowChartTable.h"

namespace {

constexpr const TWindowChart* Charts[] = {
    &WindowChart::Individuals,
    &WindowChart::Distribution,
    &WindowChart::Xbar,
    &WindowChart::Range,
};

}  // namespace

std::span<const TWindowChart* const> WindowCharts() { return Charts; }

const TWindowChart* FindWindowChart(std::string_view control)
{
    for (const TWindowChart* chart : Charts)
        if (chart->Control == control)
            return chart;
    return nullptr;
}
