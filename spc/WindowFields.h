#pragma once
// The window's named fields: every text the compute command reads or writes,
// with its control on the form, the stable key it has in exported results and
// the name a reader gives it. The stages, the form layout, the batch and the
// exports name a field through this table; a field's control name is spelled
// out only where the window is driven by its names: the form's start-up (the
// default target in the separator in force) and the tests that script the
// window as a user would.
#include <span>
#include <string_view>

enum class TFieldRole {
    Input,    // read by the compute command
    Display,  // shown, never read or written
    Result,   // written by the compute command (edit fields and the summary labels)
    Memo,     // cleared and filled line by line by the compute command
};

struct TWindowField {
    std::string_view Control;       // component name on the form
    std::string_view Key;           // stable English name in exported results
    std::string_view Label;         // as a reader names it: one line, column heading joined, no colon
    std::string_view LabelControl;  // the label beside or above it on the form, "" when none
    TFieldRole Role;
};

namespace Field {
using R = TFieldRole;

inline constexpr TWindowField SubgroupSize{"Edit32", "subgroupSize", "设置子组大小（手动）", "Label39", R::Input};
inline constexpr TWindowField SubgroupCount{"Edit33", "subgroupCount", "子组数", "Label40", R::Result};
inline constexpr TWindowField Count{"Edit1", "count", "总样本数", "Label1", R::Result};
inline constexpr TWindowField SubgroupSizeShown{"Edit2", "subgroupSizeShown", "子组大小", "Label2", R::Display};
inline constexpr TWindowField Mean{"Edit3", "mean", "平均值", "Label3", R::Result};
inline constexpr TWindowField Max{"Edit4", "max", "最大值", "Label4", R::Result};
inline constexpr TWindowField Min{"Edit5", "min", "最小值", "Label5", R::Result};
inline constexpr TWindowField Usl{"Edit6", "usl", "上规格", "Label6", R::Input};
inline constexpr TWindowField Target{"Edit7", "target", "目标值", "Label7", R::Input};
inline constexpr TWindowField Lsl{"Edit8", "lsl", "下规格", "Label8", R::Input};
inline constexpr TWindowField Plus3Sigma{"Edit9", "plus3Sigma", "+3Sigma", "Label9", R::Result};
inline constexpr TWindowField Minus3Sigma{"Edit10", "minus3Sigma", "-3Sigma", "Label10", R::Result};
inline constexpr TWindowField StdDevWithin{"Edit11", "stdDevWithin", "组内 STDEV", "Label11", R::Result};
inline constexpr TWindowField StdDevOverall{"Edit12", "stdDevOverall", "整体 STDEV", "Label13", R::Result};
inline constexpr TWindowField ClassCount{"Edit31", "classCount", "组数", "Label34", R::Result};
inline constexpr TWindowField CpkWithin{"Edit13", "cpkWithin", "组内 CPK", "Label15", R::Result};
inline constexpr TWindowField CpkOverall{"Edit14", "cpkOverall", "整体 CPK", "Label16", R::Result};
inline constexpr TWindowField CpWithin{"Edit15", "cpWithin", "组内 CP", "Label17", R::Result};
inline constexpr TWindowField CpOverall{"Edit16", "cpOverall", "整体 CP", "Label18", R::Result};
inline constexpr TWindowField CplWithin{"Edit17", "cplWithin", "组内 CPL", "Label19", R::Result};
inline constexpr TWindowField CplOverall{"Edit18", "cplOverall", "整体 CPL", "Label20", R::Result};
inline constexpr TWindowField CpuWithin{"Edit19", "cpuWithin", "组内 CPU", "Label21", R::Result};
inline constexpr TWindowField CpuOverall{"Edit20", "cpuOverall", "整体 CPU", "Label22", R::Result};
inline constexpr TWindowField PpmBelowWithin{"Edit28", "ppmBelowLslWithin", "组内 PPM<LSL", "Label31", R::Result};
inline constexpr TWindowField PpmBelowOverall{"Edit22", "ppmBelowLslOverall", "整体 PPM<LSL", "Label24", R::Result};
inline constexpr TWindowField PpmBelowMeasured{"Edit24", "ppmBelowLslMeasured", "实测 PPM<LSL", "", R::Result};
inline constexpr TWindowField PpmAboveWithin{"Edit29", "ppmAboveUslWithin", "组内 PPM>USL", "Label32", R::Result};
inline constexpr TWindowField PpmAboveOverall{"Edit23", "ppmAboveUslOverall", "整体 PPM>USL", "Label25", R::Result};
inline constexpr TWindowField PpmAboveMeasured{"Edit25", "ppmAboveUslMeasured", "实测 PPM>USL", "", R::Result};
inline constexpr TWindowField PpmTotalWithin{"Edit30", "ppmTotalWithin", "组内 PPM Total", "Label33", R::Result};
inline constexpr TWindowField PpmTotalOverall{"Edit26", "ppmTotalOverall", "整体 PPM Total", "Label28", R::Result};
inline constexpr TWindowField PpmTotalMeasured{"Edit27", "ppmTotalMeasured", "实测 PPM Total", "", R::Result};
inline constexpr TWindowField Ca{"Edit21", "ca", "CA", "Label23", R::Result};
// The summary labels hold their own result text; the name says what they count.
inline constexpr TWindowField AboveUslSummary{"Label27", "aboveUslSummary", "高于规格数量", "", R::Result};
inline constexpr TWindowField BelowLslSummary{"Label29", "belowLslSummary", "低于规格数量", "", R::Result};
inline constexpr TWindowField OutsideSummary{"Label30", "outsideSummary", "不合格数量", "", R::Result};

inline constexpr TWindowField ClassValues{"Memo1", "classValues", "分组值", "Label35", R::Memo};
inline constexpr TWindowField Frequencies{"Memo2", "frequencies", "频率", "Label36", R::Memo};
inline constexpr TWindowField OverallCurve{"Memo3", "overallCurve", "整体分布（红色曲线）", "Label37", R::Memo};
inline constexpr TWindowField WithinCurve{"Memo4", "withinCurve", "组内分布（绿色曲线）", "Label38", R::Memo};
inline constexpr TWindowField SubgroupSums{"Memo6", "subgroupSums", "每组的和", "Label49", R::Memo};
inline constexpr TWindowField SubgroupMeans{"Memo7", "subgroupMeans", "每组的均值", "Label50", R::Memo};
inline constexpr TWindowField SubgroupRanges{"Memo8", "subgroupRanges", "每组的极差", "Label48", R::Memo};
inline constexpr TWindowField KeyValues{"Memo5", "keyValues", "关键值", "Label51", R::Memo};
}  // namespace Field

// Every field in the window's reading order: rows from the top, each row from
// the left, the memo boxes after the single-line fields.
std::span<const TWindowField* const> WindowFields();

// The field shown in the control, or null when the control is none of them.
const TWindowField* FindWindowField(std::string_view control);
