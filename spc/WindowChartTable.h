#pragma once
// The window's four charts: the control each one is on the form, what it
// shows, the name a reader gives it, its visible title and the names of the
// series its layout creates. The form, the batch, exports and the chart
// displays name a chart through this table, never through a control-name
// literal.
#include <span>
#include <string_view>

enum class TChartRole { Individuals, Xbar, Range, Distribution };

// The five series of a limit chart, in the order they are filled; all empty
// for the distribution chart, which creates its own series on every draw.
struct TLaidOutSeriesNames {
    std::string_view Upper, Lower, Centre, Data, Points;
};

struct TWindowChart {
    std::string_view Control;  // component name on the form
    TChartRole Role;
    std::string_view Label;  // as a reader names it
    std::string_view Title;  // the visible title, "" when the chart shows none
    TLaidOutSeriesNames Series;
};

namespace WindowChart {
using R = TChartRole;

inline constexpr TWindowChart Individuals{
    "Chart2", R::Individuals, "单值图", "", {"Series3", "Series4", "Series5", "Series6", "Series7"}};
inline constexpr TWindowChart Distribution{"cht1", R::Distribution, "分布图", "", {}};
inline constexpr TWindowChart Xbar{
    "Chart1",
    R::Xbar,
    "均值控制图",
    "均值控制图",
    {"FastLineSeries1", "FastLineSeries2", "FastLineSeries3", "FastLineSeries4", "PointSeries1"}};
inline constexpr TWindowChart Range{
    "Chart3",
    R::Range,
    "极差控制图",
    "极差控制图",
    {"FastLineSeries5", "FastLineSeries6", "FastLineSeries7", "FastLineSeries8", "PointSeries2"}};
}  // namespace WindowChart

// The four charts in the form's creation order.
std::span<const TWindowChart* const> WindowCharts();

// The chart on the control, or null when the control is none of them.
const TWindowChart* FindWindowChart(std::string_view control);
