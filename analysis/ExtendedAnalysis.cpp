// Steps: overall statistics, subgroups, the within sigma of the chosen
// estimator, the indices with their intervals, PPM and Z.bench, normality,
// the control charts and their run tests.
#include "ExtendedAnalysis.h"

#include <algorithm>
#include <cmath>

#include <boost/math/distributions/normal.hpp>

#include "CapabilityIntervals.h"
#include "ControlConstants.h"
#include "Normality.h"
#include "RunTests.h"

namespace {

const boost::math::normal StandardNormal;

struct TSubgroupStatistics {
    std::vector<double> Means, Ranges, StdDevs;
    double PooledSumSquares = 0;
};

TSubgroupStatistics SummariseSubgroups(const std::vector<double>& x, int n, int k)
{
    TSubgroupStatistics s;
    for (int j = 0; j < k; ++j) {
        const auto first = x.begin() + static_cast<std::ptrdiff_t>(j) * n;
        double sum = 0, low = *first, high = *first;
        for (auto it = first; it != first + n; ++it) {
            sum += *it;
            low = std::min(low, *it);
            high = std::max(high, *it);
        }
        const double mean = sum / n;
        double squares = 0;
        for (auto it = first; it != first + n; ++it)
            squares += (*it - mean) * (*it - mean);
        s.Means.push_back(mean);
        s.Ranges.push_back(high - low);
        s.StdDevs.push_back(std::sqrt(squares / (n - 1)));
        s.PooledSumSquares += squares;
    }
    return s;
}

double Average(const std::vector<double>& x)
{
    double sum = 0;
    for (double v : x)
        sum += v;
    return sum / static_cast<double>(x.size());
}

std::vector<double> MovingRanges(const std::vector<double>& x)
{
    std::vector<double> mr;
    for (size_t i = 1; i < x.size(); ++i)
        mr.push_back(std::fabs(x[i] - x[i - 1]));
    return mr;
}

TSigmaEstimate WithinSigma(TWithinSigmaMethod method, const TSubgroupStatistics& s, int n, int k)
{
    const double groups = k;
    switch (method) {
    case TWithinSigmaMethod::RBar: return {Average(s.Ranges) / ExactD2(n), 0.9 * groups * (n - 1)};
    case TWithinSigmaMethod::SBar: return {Average(s.StdDevs) / ExactC4(n), SBarDofFactor(n) * groups * (n - 1)};
    default: {
        const int d = k * (n - 1);
        return {std::sqrt(s.PooledSumSquares / d) / ExactC4(d + 1), static_cast<double>(d)};
    }
    }
}

// Cp/Pp, CPL/PPL, CPU/PPU, Cpk/Ppk of one sigma.
struct TIndexSet {
    std::optional<TIntervalEstimate> Potential, Lower, Upper, Least;
};

TIndexSet IndicesOf(const TExtendedInput& in, double mean, double count, TSigmaEstimate sigma)
{
    TIndexSet set;
    const double c = in.Confidence;
    if (in.LSL)
        set.Lower = BissellInterval((mean - *in.LSL) / (3 * sigma.Value), count, sigma.Dof, c);
    if (in.USL)
        set.Upper = BissellInterval((*in.USL - mean) / (3 * sigma.Value), count, sigma.Dof, c);
    if (in.LSL && in.USL) {
        set.Potential = ChiSquareInterval((*in.USL - *in.LSL) / (6 * sigma.Value), sigma.Dof, c);
        set.Least = BissellInterval(std::min(set.Lower->Value, set.Upper->Value), count, sigma.Dof, c);
    } else {
        set.Least = set.Lower ? set.Lower : set.Upper;
    }
    return set;
}

std::optional<TIntervalEstimate> CpmOf(const TExtendedInput& in, double mean, double s)
{
    if (!in.Target || (!in.LSL && !in.USL))
        return std::nullopt;
    const double t = *in.Target;
    double squares = 0;
    for (double x : in.Values)
        squares += (x - t) * (x - t);
    const double count = static_cast<double>(in.Values.size());
    const double tau = std::sqrt(squares / (count - 1));
    if (!(tau > 0))
        return std::nullopt;
    double reach = in.LSL ? t - *in.LSL : *in.USL - t;
    if (in.LSL && in.USL)
        reach = std::min(t - *in.LSL, *in.USL - t);
    return ChiSquareInterval(reach / (3 * tau), BoylesDof(count, mean, t, s), in.Confidence);
}

TPpm ExpectedPpm(const TExtendedInput& in, double mean, double sigma)
{
    TPpm ppm;
    if (in.LSL)
        ppm.Below = 1e6 * boost::math::cdf(StandardNormal, (*in.LSL - mean) / sigma);
    if (in.USL)
        ppm.Above = 1e6 * boost::math::cdf(boost::math::complement(StandardNormal, (*in.USL - mean) / sigma));
    if (ppm.Below || ppm.Above)
        ppm.Total = ppm.Below.value_or(0) + ppm.Above.value_or(0);
    return ppm;
}

TPpm ObservedPpm(const TExtendedInput& in)
{
    TPpm ppm;
    const double count = static_cast<double>(in.Values.size());
    if (in.LSL)
        ppm.Below = 1e6 *
                    static_cast<double>(
                        std::count_if(in.Values.begin(), in.Values.end(), [&](double x) { return x < *in.LSL; })) /
                    count;
    if (in.USL)
        ppm.Above = 1e6 *
                    static_cast<double>(
                        std::count_if(in.Values.begin(), in.Values.end(), [&](double x) { return x > *in.USL; })) /
                    count;
    if (ppm.Below || ppm.Above)
        ppm.Total = ppm.Below.value_or(0) + ppm.Above.value_or(0);
    return ppm;
}

// Z.bench = Phi^-1(1 - p) from the upper tail, so it stays finite for tiny p.
std::optional<double> ZBench(const TPpm& ppm)
{
    if (!ppm.Total || !(*ppm.Total > 0) || *ppm.Total >= 1e6)
        return std::nullopt;
    return boost::math::quantile(boost::math::complement(StandardNormal, *ppm.Total / 1e6));
}

// The range chart (R of subgroups, or the moving range) from the within sigma.
TControlChart RangeChart(std::string name, std::vector<double> points, int firstPoint, int n, double sigma)
{
    const double d2 = ExactD2(n), d3 = ExactD3(n);
    return {std::move(name),
            std::move(points),
            firstPoint,
            {d2 * sigma, (d2 + 3 * d3) * sigma, std::max(0.0, (d2 - 3 * d3) * sigma)},
            d3 * sigma};
}

void AddCharts(TExtendedResult& r, const std::vector<double>& x, const TSubgroupStatistics& groups, double sigma)
{
    const double mean = *r.Mean;
    if (r.SubgroupSize == 1) {
        r.Charts.push_back({"i", x, 1, {mean, mean + 3 * sigma, mean - 3 * sigma}, sigma});
        r.Charts.push_back(RangeChart("mr", MovingRanges(x), 2, 2, sigma));
    } else {
        const double spread = sigma / std::sqrt(static_cast<double>(r.SubgroupSize));
        r.Charts.push_back({"xbar", groups.Means, 1, {mean, mean + 3 * spread, mean - 3 * spread}, spread});
        r.Charts.push_back(RangeChart("r", groups.Ranges, 1, r.SubgroupSize, sigma));
    }
    for (const TControlChart& chart : r.Charts)
        for (TRunViolation& v : ChartViolations(chart))
            r.RunTests.push_back(std::move(v));
}

void AddNormality(TExtendedResult& r, const std::vector<double>& x)
{
    if (const auto ad = AndersonDarling(x)) {
        r.Normality.A2 = ad->Statistic;
        r.Normality.A2P = ad->P;
    }
    if (x.size() > LargestShapiroWilkCount)
        r.Messages.push_back("数值超过 5000 个，不做 Shapiro-Wilk 检验");
    else if (const auto sw = ShapiroWilk(x)) {
        r.Normality.W = sw->Statistic;
        r.Normality.WP = sw->P;
    }
}

}  // namespace

double SBarDofFactor(int n)
{
    struct TStep {
        int UpTo;
        double Factor;
    };
    static constexpr TStep steps[] = {{2, .88}, {3, .92}, {4, .94}, {5, .95}, {7, .96}, {9, .97}, {17, .98}, {64, .99}};
    for (const TStep& s : steps)
        if (n <= s.UpTo)
            return s.Factor;
    return 1.0;
}

const char* WithinSigmaMethodName(TWithinSigmaMethod method)
{
    switch (method) {
    case TWithinSigmaMethod::RBar: return "rbar";
    case TWithinSigmaMethod::SBar: return "sbar";
    case TWithinSigmaMethod::MovingRange: return "movingRange";
    default: return "pooled";
    }
}

TExtendedResult AnalyseExtended(const TExtendedInput& in)
{
    TExtendedResult r;
    r.Messages = in.ReadingMessages;
    const std::vector<double>& x = in.Values;
    r.Count = static_cast<int>(x.size());
    r.SubgroupSize = in.SubgroupSize;
    r.Confidence = in.Confidence;
    r.WithinMethod = in.SubgroupSize == 1 ? TWithinSigmaMethod::MovingRange : in.Method;
    if (std::any_of(x.begin(), x.end(), [](double v) { return !std::isfinite(v); })) {
        r.Messages.push_back("数值中有超出范围的值，无法计算");
        return r;
    }
    if (r.Count < 2) {
        r.Messages.push_back("数值少于 2 个，无法计算标准差");
        if (r.Count == 1)
            r.Mean = x[0];
        return r;
    }
    const double count = r.Count;
    const double mean = Average(x);
    r.Mean = mean;
    double squares = 0;
    for (double v : x)
        squares += (v - mean) * (v - mean);
    const TSigmaEstimate overall{std::sqrt(squares / (count - 1)), count - 1};
    r.SigmaOverall = overall;

    const int n = in.SubgroupSize;
    TSubgroupStatistics groups;
    if (n < 1)
        r.Messages.push_back("子组容量小于 1，无法计算组内标准差");
    else if (n > r.Count)
        r.Messages.push_back("子组容量大于数值个数，无法计算组内标准差");
    else {
        r.SubgroupCount = n == 1 ? r.Count : r.Count / n;
        if (n == 1) {
            const std::vector<double> mr = MovingRanges(x);
            r.SigmaWithin = TSigmaEstimate{Average(mr) / ExactD2(2), count - 1};
        } else {
            groups = SummariseSubgroups(x, n, r.SubgroupCount);
            r.SigmaWithin = WithinSigma(r.WithinMethod, groups, n, r.SubgroupCount);
        }
    }

    const bool withinUsable = r.SigmaWithin && r.SigmaWithin->Value > 0;
    if (!(overall.Value > 0) || (r.SigmaWithin && !withinUsable))
        r.Messages.push_back("标准差为 0，无法计算相应的能力指数与 PPM");
    if (!in.LSL && !in.USL)
        r.Messages.push_back("未给出规格限，无法计算能力指数与 PPM");
    else if (in.LSL && in.USL && !(*in.LSL < *in.USL))
        r.Messages.push_back("规格下限不小于规格上限，能力指数无意义");
    r.ObservedPpm = ObservedPpm(in);
    if (overall.Value > 0) {
        const TIndexSet p = IndicesOf(in, mean, count, overall);
        r.Indices.Pp = p.Potential, r.Indices.PPL = p.Lower, r.Indices.PPU = p.Upper, r.Indices.Ppk = p.Least;
        r.OverallPpm = ExpectedPpm(in, mean, overall.Value);
        r.ZBenchOverall = ZBench(r.OverallPpm);
        r.Indices.Cpm = CpmOf(in, mean, overall.Value);
        AddNormality(r, x);
    }
    if (withinUsable) {
        const TIndexSet c = IndicesOf(in, mean, count, *r.SigmaWithin);
        r.Indices.Cp = c.Potential, r.Indices.CPL = c.Lower, r.Indices.CPU = c.Upper, r.Indices.Cpk = c.Least;
        r.WithinPpm = ExpectedPpm(in, mean, r.SigmaWithin->Value);
        r.ZBenchWithin = ZBench(r.WithinPpm);
    }
    if (r.SigmaWithin)
        AddCharts(r, x, groups, r.SigmaWithin->Value);
    return r;
}
