#include "ExtendedTables.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <tuple>

#include "NumberText.h"

namespace {

std::string Number(const std::optional<double>& v, const char* pattern = "0.0000")
{
    // A value that does not exist, or an interval a historical sigma leaves out.
    return v && std::isfinite(*v) ? PatternNumberText(pattern, *v) : "—";
}

std::string SigmaText(const char* what, const std::optional<TSigmaEstimate>& s, const std::string& how)
{
    if (!s)
        return std::string(what) + "：无法计算";
    return std::string(what) + " σ = " + PatternNumberText("0.000000", s->Value) + "（" + how + "，自由度 " +
           PatternNumberText("0.#", s->Dof) + "）";
}

std::string WithinHow(TWithinSigmaMethod m)
{
    switch (m) {
    case TWithinSigmaMethod::RBar: return "R̄/d2";
    case TWithinSigmaMethod::SBar: return "S̄/c4";
    case TWithinSigmaMethod::MovingRange: return "MR̄/d2(2)";
    default: return "合并标准差 Sp/c4";
    }
}

const char* const TestMeanings[] = {"1 点距中心线超过 3 个标准差",        "连续 9 点落在中心线同一侧",
                                    "连续 6 次变化全部上升或全部下降",    "连续 14 次变化上下交替",
                                    "3 点中有 2 点在同侧 2 个标准差以外", "5 点中有 4 点在同侧 1 个标准差以外",
                                    "连续 15 点在中心线 1 个标准差以内",  "连续 8 点在中心线两侧 1 个标准差以外"};

const char* const HistoricalMark = "历史值";

// Six significant digits, so that a tiny Box-Cox sd does not print as 0.
std::string SignificantText(double v)
{
    char rounded[32];
    std::snprintf(rounded, sizeof rounded, "%.5e", v);
    return GeneralNumberText(std::strtod(rounded, nullptr));
}

std::string EscapeHtml(const std::string& s)
{
    std::string out;
    for (char c : s) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else
            out += c;
    }
    return out;
}

// Cells never carry tabs or line breaks into the clipboard text.
std::string PlainCell(std::string s)
{
    for (char& c : s)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return s;
}

}  // namespace

const char* FamilyName(const std::string& name)
{
    const char* const captions[][2] = {{"normal", "正态"},
                                       {"boxcox", "Box-Cox 变换后正态"},
                                       {"lognormal", "对数正态"},
                                       {"weibull", "Weibull"},
                                       {"nonparametric", "非参数（经验百分位）"}};
    for (const auto& [family, caption] : captions)
        if (name == family)
            return caption;
    return "最佳拟合";
}

std::string ChartCaption(const std::string& chartName)
{
    if (chartName == "xbar")
        return "均值图";
    if (chartName == "r")
        return "极差图";
    if (chartName == "s")
        return "标准差图";
    if (chartName == "i")
        return "单值图";
    return "移动极差图";
}

TTextTable IndicesTable(const TExtendedResult& r)
{
    const std::string confidence = PatternNumberText("0", r.Confidence * 100) + "% ";
    TTextTable t{"能力指数", {"指数", "值", confidence + "下限", confidence + "上限", "所用标准差"}, {}};
    std::string within = r.HistoricalSigma ? "组内 σ = " + PatternNumberText("0.000000", *r.HistoricalSigma) + "（" +
                                                 HistoricalMark + "）"
                                           : SigmaText("组内", r.SigmaWithin, WithinHow(r.WithinMethod));
    std::string overall = SigmaText("整体", r.SigmaOverall, "样本标准差");
    if (r.HistoricalMean) {
        const std::string mean =
            "，均值 = " + PatternNumberText("0.000000", *r.HistoricalMean) + "（" + HistoricalMark + "）";
        within += mean, overall += mean;
    }
    const TCapabilityIndices& i = r.Indices;
    const std::tuple<const char*, const std::optional<TIntervalEstimate>*, std::string> rows[] = {
        {"Cp", &i.Cp, within},    {"CPL", &i.CPL, within},  {"CPU", &i.CPU, within},
        {"Cpk", &i.Cpk, within},  {"Pp", &i.Pp, overall},   {"PPL", &i.PPL, overall},
        {"PPU", &i.PPU, overall}, {"Ppk", &i.Ppk, overall}, {"Cpm", &i.Cpm, "τ，对目标值（自由度按 Boyles）"}};
    for (const auto& [name, value, how] : rows) {
        const auto& v = *value;
        if (v)
            t.Rows.push_back({name, Number(v->Value), Number(v->Lower), Number(v->Upper), how});
        else
            t.Rows.push_back({name, "—", "—", "—", how});
    }
    return t;
}

TTextTable PpmTable(const TExtendedResult& r)
{
    TTextTable t{"PPM", {"", "低于规格下限", "高于规格上限", "合计", "Z.bench"}, {}};
    auto row = [&](const char* name, const TPpm& p, const std::optional<double>& z) {
        t.Rows.push_back(
            {name, Number(p.Below, "0.00"), Number(p.Above, "0.00"), Number(p.Total, "0.00"), Number(z, "0.000")});
    };
    row("实测", r.ObservedPpm, std::nullopt);
    const bool historical = r.HistoricalMean || r.HistoricalSigma;
    row(historical ? "预期（组内，历史值）" : "预期（组内）", r.WithinPpm, r.ZBenchWithin);
    row(r.HistoricalMean ? "预期（整体，历史值）" : "预期（整体）", r.OverallPpm, r.ZBenchOverall);
    return t;
}

TTextTable NormalityTable(const TExtendedResult& r)
{
    TTextTable t{"正态性", {"检验", "统计量", "p 值", "结论（5% 水平）"}, {}};
    auto verdict = [](const std::optional<double>& p) -> std::string {
        if (!p)
            return "无法检验";
        return *p < 0.05 ? "拒绝正态" : "不拒绝正态";
    };
    t.Rows.push_back(
        {"Anderson-Darling A²", Number(r.Normality.A2), Number(r.Normality.A2P), verdict(r.Normality.A2P)});
    t.Rows.push_back({"Shapiro-Wilk W", Number(r.Normality.W), Number(r.Normality.WP), verdict(r.Normality.WP)});
    return t;
}

TTextTable FitsTable(const TExtendedResult& r)
{
    TTextTable t{"分布拟合（Anderson-Darling）", {"分布", "参数", "A²", "p 值", "选用"}, {}};
    for (const TDistributionFit& fit : r.Distribution.Fits) {
        std::string parameters = fit.Fitted ? "" : "无法拟合";
        for (const auto& [name, value] : fit.Parameters)
            parameters += (parameters.empty() ? "" : "，") + name + " = " + SignificantText(value);
        t.Rows.push_back({FamilyName(fit.Name), parameters, Number(fit.A2), Number(fit.P),
                          fit.Name == r.Distribution.Selected ? "✓" : ""});
    }
    return t;
}

TTextTable DistributionTable(const TExtendedResult& r)
{
    const TDistributionCapability& d = r.Distribution;
    const bool percentiles = d.Selected == "lognormal" || d.Selected == "weibull" || d.Selected == "nonparametric";
    const std::string how = d.Selected == "boxcox" ? "变换后数据与规格限的正态公式"
                            : percentiles          ? "百分位法（0.135%、50%、99.865%）"
                                                   : "正态 3s 公式";
    TTextTable t{std::string("非正态能力：") + FamilyName(d.Selected), {"量", "值", "方法"}, {}};
    const std::pair<const char*, const std::optional<double>*> rows[] = {
        {"Pp", &d.Pp}, {"PPL", &d.PPL}, {"PPU", &d.PPU}, {"Ppk", &d.Ppk}};
    for (const auto& [name, value] : rows)
        t.Rows.push_back({name, Number(*value), how});
    const std::string scale = d.Selected == "nonparametric" ? "经验百分位（Hyndman-Fan 第 6 类）" : "拟合分布的分位数";
    t.Rows.push_back({"X0.135%", Number(d.P00135), scale});
    t.Rows.push_back({"X50%", Number(d.P50), scale});
    t.Rows.push_back({"X99.865%", Number(d.P99865), scale});
    const std::string ppm = d.Selected == "nonparametric" ? "实测" : "拟合分布的尾部";
    t.Rows.push_back({"PPM 低于规格下限", Number(d.Ppm.Below, "0.00"), ppm});
    t.Rows.push_back({"PPM 高于规格上限", Number(d.Ppm.Above, "0.00"), ppm});
    t.Rows.push_back({"PPM 合计", Number(d.Ppm.Total, "0.00"), ppm});
    return t;
}

TTextTable RunTestsTable(const TExtendedResult& r)
{
    TTextTable t{"判异检验", {"控制图", "检验", "点号", "含义"}, {}};
    for (const TRunViolation& v : r.RunTests) {
        std::string points;
        for (int p : v.Points)
            points += (points.empty() ? "" : ", ") + std::to_string(p);
        t.Rows.push_back({ChartCaption(v.Chart), std::to_string(v.Test), points, TestMeanings[v.Test - 1]});
    }
    return t;
}

std::string TablesAsTabText(const std::vector<TTextTable>& tables)
{
    std::string out;
    auto line = [&](const std::vector<std::string>& cells) {
        for (size_t c = 0; c < cells.size(); ++c) {
            if (c)
                out += '\t';
            out += PlainCell(cells[c]);
        }
        out += "\r\n";
    };
    for (const TTextTable& t : tables) {
        line({t.Title});
        line(t.Header);
        for (const auto& row : t.Rows)
            line(row);
        out += "\r\n";
    }
    return out;
}

std::string TablesAsHtml(const std::vector<TTextTable>& tables)
{
    std::string out = "<html><body>";
    for (const TTextTable& t : tables) {
        out += "<h3>" + EscapeHtml(t.Title) + "</h3><table border=\"1\"><tr>";
        for (const std::string& h : t.Header)
            out += "<th>" + EscapeHtml(h) + "</th>";
        out += "</tr>";
        for (const auto& row : t.Rows) {
            out += "<tr>";
            for (const std::string& c : row)
                out += "<td>" + EscapeHtml(c) + "</td>";
            out += "</tr>";
        }
        out += "</table>";
    }
    return out + "</body></html>";
}
