// Steps: overall statistics, subgroups, the within sigma of the chosen
// estimator (or the historical values), the indices with their intervals,
// PPM and Z.bench, normality, the control charts and their run tests, and
// the capability of the chosen distribution.
#include "ExtendedAnalysis.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <boost/math/distributions/normal.hpp>

#include "CapabilityIntervals.h"
#include "ControlConstants.h"
#include "DistributionCapability.h"
#include "Normality.h"
#include "RunTests.h"

namespace {

const boost::math::normal StandardNormal;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

struct TSubgroupStatistics {
    std::vector<int> Sizes;
    std::vector<double> Means, Ranges, StdDevs;  // a subgroup of one has NaN range and deviation
    double PooledSumSquares = 0;
    bool EqualSizes() const
    {
        return std::all_of(Sizes.begin(), Sizes.end(), [&](int n) { return n == Sizes.front(); });
    }
};

// The values in reading order, cut into consecutive subgroups of the given sizes.
TSubgroupStatistics SummariseSubgroups(const std::vector<double>& x, const std::vector<int>& sizes)
{
    TSubgroupStatistics s;
    s.Sizes = sizes;
    auto first = x.begin();
    for (const int n : sizes) {
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
        s.Ranges.push_back(n > 1 ? high - low : NaN);
        s.StdDevs.push_back(n > 1 ? std::sqrt(squares / (n - 1)) : NaN);
        s.PooledSumSquares += squares;
        first += n;
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

TSigmaEstimate EqualSizeWithinSigma(TWithinSigmaMethod method, const TSubgroupStatistics& s, int n, int k)
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

// Unequal sizes: Rbar and Sbar weight each subgroup of two or more by the
// inverse variance of its estimate, f = (d2/d3)^2 and h = c4^2/(1 - c4^2).
std::optional<TSigmaEstimate> WithinSigma(TWithinSigmaMethod method, const TSubgroupStatistics& s)
{
    if (s.EqualSizes() && s.Sizes.front() > 1)
        return EqualSizeWithinSigma(method, s, s.Sizes.front(), static_cast<int>(s.Sizes.size()));
    double weighted = 0, weights = 0, dof = 0;
    int d = 0;
    for (size_t i = 0; i < s.Sizes.size(); ++i) {
        const int n = s.Sizes[i];
        if (n < 2)
            continue;
        d += n - 1;
        if (method == TWithinSigmaMethod::RBar) {
            const double f = std::pow(ExactD2(n) / ExactD3(n), 2);
            weighted += f * s.Ranges[i] / ExactD2(n), weights += f, dof += 0.9 * (n - 1);
        } else if (method == TWithinSigmaMethod::SBar) {
            const double c4 = ExactC4(n), h = c4 * c4 / (1 - c4 * c4);
            weighted += h * s.StdDevs[i] / c4, weights += h, dof += SBarDofFactor(n) * (n - 1);
        }
    }
    if (d == 0)
        return std::nullopt;
    if (method == TWithinSigmaMethod::RBar || method == TWithinSigmaMethod::SBar)
        return TSigmaEstimate{weighted / weights, dof};
    return TSigmaEstimate{std::sqrt(s.PooledSumSquares / d) / ExactC4(d + 1), static_cast<double>(d)};
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

TControlChart Chart(std::string name, std::vector<double> points, int firstPoint, TChartLimits limits, double zone)
{
    TControlChart c;
    c.Name = std::move(name), c.Points = std::move(points), c.FirstPoint = firstPoint;
    c.Limits = limits, c.ZoneSigma = zone;
    return c;
}

// Centre, limits and zone width of a subgroup's range (R) or standard
// deviation (S) for a within sigma.
TControlChart SpreadChart(std::string name, std::vector<double> points, int firstPoint, int n, double sigma)
{
    if (name == "s") {
        const double c4 = ExactC4(n), spread = std::sqrt(1 - c4 * c4);
        return Chart(std::move(name), std::move(points), firstPoint,
                     {c4 * sigma, (c4 + 3 * spread) * sigma, std::max(0.0, (c4 - 3 * spread) * sigma)}, spread * sigma);
    }
    const double d2 = ExactD2(n), d3 = ExactD3(n);
    return Chart(std::move(name), std::move(points), firstPoint,
                 {d2 * sigma, (d2 + 3 * d3) * sigma, std::max(0.0, (d2 - 3 * d3) * sigma)}, d3 * sigma);
}

// Unequal sizes: every subgroup gets the limits of its own size; one of one
// value has an X-bar point and no range or deviation.
void SetLimitsPerSubgroup(TControlChart& means, TControlChart& spreads, const std::vector<int>& sizes, double centre,
                          double sigma)
{
    const TChartLimits none{NaN, NaN, NaN};
    means.Limits = {centre, NaN, NaN};
    spreads.Limits = none;
    for (const int n : sizes) {
        const double spread = sigma / std::sqrt(static_cast<double>(n));
        means.PointLimits.push_back({centre, centre + 3 * spread, centre - 3 * spread});
        means.PointZoneSigmas.push_back(spread);
        const TControlChart own = n > 1 ? SpreadChart(spreads.Name, {}, 1, n, sigma) : Chart("", {}, 1, none, NaN);
        spreads.PointLimits.push_back(own.Limits);
        spreads.PointZoneSigmas.push_back(own.ZoneSigma);
    }
}

void AddCharts(TExtendedResult& r, const TExtendedInput& in, const TSubgroupStatistics& groups, double sigma,
               double centre)
{
    const std::vector<double>& x = in.Values;
    if (r.SubgroupSize == 1) {
        r.Charts.push_back(Chart("i", x, 1, {centre, centre + 3 * sigma, centre - 3 * sigma}, sigma));
        r.Charts.push_back(SpreadChart("mr", MovingRanges(x), 2, 2, sigma));
    } else {
        const bool deviations = in.Chart == TControlChartChoice::XbarS;
        const std::vector<double>& spreads = deviations ? groups.StdDevs : groups.Ranges;
        if (r.EqualSizes) {
            const int n = groups.Sizes.front();
            const double spread = sigma / std::sqrt(static_cast<double>(n));
            r.Charts.push_back(
                Chart("xbar", groups.Means, 1, {centre, centre + 3 * spread, centre - 3 * spread}, spread));
            r.Charts.push_back(SpreadChart(deviations ? "s" : "r", spreads, 1, n, sigma));
        } else {
            TControlChart means = Chart("xbar", groups.Means, 1, {}, 0);
            TControlChart perSubgroup = Chart(deviations ? "s" : "r", spreads, 1, {}, 0);
            SetLimitsPerSubgroup(means, perSubgroup, groups.Sizes, centre, sigma);
            r.Charts.push_back(std::move(means));
            r.Charts.push_back(std::move(perSubgroup));
        }
    }
    const bool historical = r.HistoricalMean || r.HistoricalSigma;
    for (TControlChart& chart : r.Charts) {
        chart.Historical = historical;
        for (TRunViolation& v : ChartViolations(chart))
            r.RunTests.push_back(std::move(v));
    }
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

const char* DistributionChoiceName(TDistributionChoice choice)
{
    switch (choice) {
    case TDistributionChoice::BoxCox: return "boxcox";
    case TDistributionChoice::Lognormal: return "lognormal";
    case TDistributionChoice::Weibull: return "weibull";
    case TDistributionChoice::Nonparametric: return "nonparametric";
    case TDistributionChoice::Best: return "best";
    default: return "normal";
    }
}

namespace {

// The subgroup sizes of the chosen cut; the individuals' size 1 for rows of one value each.
std::vector<int> SubgroupSizes(TExtendedResult& r, const TExtendedInput& in)
{
    if (in.Subgroups == TSubgroupChoice::Rows) {
        const bool single = std::all_of(in.RowSizes.begin(), in.RowSizes.end(), [](int n) { return n == 1; });
        r.SubgroupCount = static_cast<int>(in.RowSizes.size());
        r.EqualSizes =
            std::all_of(in.RowSizes.begin(), in.RowSizes.end(), [&](int n) { return n == in.RowSizes.front(); });
        r.SubgroupSize = single ? 1 : (r.EqualSizes ? in.RowSizes.front() : 0);
        return single ? std::vector<int>{} : in.RowSizes;
    }
    const int n = in.SubgroupSize;
    if (n < 1)
        r.Messages.push_back("子组容量小于 1，无法计算组内标准差");
    else if (n > r.Count)
        r.Messages.push_back("子组容量大于数值个数，无法计算组内标准差");
    else {
        r.SubgroupCount = n == 1 ? r.Count : r.Count / n;
        if (n > 1)
            return std::vector<int>(static_cast<size_t>(r.SubgroupCount), n);
    }
    return {};
}

// Historical values are used as given; one that is no usable value is said inline and left out.
void TakeHistoricalValues(TExtendedResult& r, const TExtendedInput& in)
{
    if (in.HistoricalMean) {
        if (std::isfinite(*in.HistoricalMean))
            r.HistoricalMean = in.HistoricalMean;
        else
            r.Messages.push_back("历史均值超出范围，未使用");
    }
    if (in.HistoricalSigma) {
        if (std::isfinite(*in.HistoricalSigma) && *in.HistoricalSigma > 0)
            r.HistoricalSigma = in.HistoricalSigma;
        else
            r.Messages.push_back("历史标准差必须大于 0，未使用");
    }
}

}  // namespace

TExtendedResult AnalyseExtended(const TExtendedInput& in)
{
    TExtendedResult r;
    r.Messages = in.ReadingMessages;
    const std::vector<double>& x = in.Values;
    r.Count = static_cast<int>(x.size());
    r.SubgroupSize = in.SubgroupSize;
    r.Confidence = in.Confidence;
    r.Subgroups = in.Subgroups;
    r.WithinMethod = in.SubgroupSize == 1 ? TWithinSigmaMethod::MovingRange : in.Method;
    r.Distribution.Selected = DistributionChoiceName(in.Distribution);
    TakeHistoricalValues(r, in);
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
    // Values near the end of double's range: their squares overflow, and nothing after can be computed.
    if (!std::isfinite(overall.Value)) {
        r.Messages.push_back("数值的平方和超出范围，无法计算标准差");
        return r;
    }
    r.SigmaOverall = overall;

    const std::vector<int> sizes = SubgroupSizes(r, in);
    if (in.Subgroups == TSubgroupChoice::Rows)
        r.WithinMethod = r.SubgroupSize == 1 ? TWithinSigmaMethod::MovingRange : in.Method;
    TSubgroupStatistics groups;
    if (r.SubgroupSize == 1) {
        const std::vector<double> mr = MovingRanges(x);
        r.SigmaWithin = TSigmaEstimate{Average(mr) / ExactD2(2), count - 1};
    } else if (!sizes.empty()) {
        groups = SummariseSubgroups(x, sizes);
        r.SigmaWithin = WithinSigma(r.WithinMethod, groups);
        if (!r.SigmaWithin)
            r.Messages.push_back("每个子组都只有一个数值，无法计算组内标准差");
        if (sizes.size() == 1 && in.Subgroups == TSubgroupChoice::Rows)
            r.Messages.push_back("只有一个子组，控制图无法判断过程是否稳定");
    }

    // The historical values replace the mean and the within sigma wherever those are used.
    const double centre = r.HistoricalMean.value_or(mean);
    std::optional<TSigmaEstimate> within = r.SigmaWithin;
    if (r.HistoricalSigma)
        within = TSigmaEstimate{*r.HistoricalSigma, count - 1};  // its intervals are dropped below
    const bool withinUsable = within && within->Value > 0;
    if (!(overall.Value > 0) || (within && !withinUsable))
        r.Messages.push_back("标准差为 0，无法计算相应的能力指数与 PPM");
    if (!in.LSL && !in.USL)
        r.Messages.push_back("未给出规格限，无法计算能力指数与 PPM");
    else if (in.LSL && in.USL && !(*in.LSL < *in.USL))
        r.Messages.push_back("规格下限不小于规格上限，能力指数无意义");
    r.ObservedPpm = ObservedPpm(in);
    if (overall.Value > 0) {
        const TIndexSet p = IndicesOf(in, centre, count, overall);
        r.Indices.Pp = p.Potential, r.Indices.PPL = p.Lower, r.Indices.PPU = p.Upper, r.Indices.Ppk = p.Least;
        r.OverallPpm = ExpectedPpm(in, centre, overall.Value);
        r.ZBenchOverall = ZBench(r.OverallPpm);
        r.Indices.Cpm = CpmOf(in, mean, overall.Value);
        AddNormality(r, x);
    }
    if (withinUsable) {
        TIndexSet c = IndicesOf(in, centre, count, *within);
        // The interval formulas assume an estimated sigma.
        if (r.HistoricalSigma)
            for (auto* index : {&c.Potential, &c.Lower, &c.Upper, &c.Least})
                if (*index)
                    (*index)->Lower = (*index)->Upper = NaN;
        r.Indices.Cp = c.Potential, r.Indices.CPL = c.Lower, r.Indices.CPU = c.Upper, r.Indices.Cpk = c.Least;
        r.WithinPpm = ExpectedPpm(in, centre, within->Value);
        r.ZBenchWithin = ZBench(r.WithinPpm);
    }
    if (within)
        AddCharts(r, in, groups, within->Value, centre);
    // A fit that fails leaves the normal analysis standing.
    try {
        AddDistributionCapability(r, in);
    } catch (const std::exception& e) {
        r.Messages.push_back(std::string("分布拟合失败：") + e.what());
    }
    return r;
}
