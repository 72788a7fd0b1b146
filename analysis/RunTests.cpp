#include "RunTests.h"

#include <algorithm>
#include <cmath>

namespace {

// Side of the centre beyond `zones` sigma: +1 above, -1 below, 0 neither.
int SideBeyond(double x, double centre, double sigma, double zones)
{
    if (x - centre > zones * sigma)
        return 1;
    if (centre - x > zones * sigma)
        return -1;
    return 0;
}

int Sign(double d) { return (d > 0) - (d < 0); }

// Test 1: one point beyond K sigma.
void OutsideLimits(const std::vector<double>& x, double c, double s, int k, std::vector<size_t>& out)
{
    for (size_t i = 0; i < x.size(); ++i)
        if (SideBeyond(x[i], c, s, k) != 0)
            out.push_back(i);
}

// Test 2: K in a row on one side; a point on the centre line breaks the run.
void SameSide(const std::vector<double>& x, double c, int k, std::vector<size_t>& out)
{
    int run = 0, side = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        const int here = Sign(x[i] - c);
        run = here != 0 && here == side ? run + 1 : (here != 0 ? 1 : 0);
        side = here;
        if (run >= k)
            out.push_back(i);
    }
}

// Test 3: K changes in one direction; an equal neighbour breaks the trend.
void Trend(const std::vector<double>& x, int k, std::vector<size_t>& out)
{
    int run = 0, direction = 0;
    for (size_t i = 1; i < x.size(); ++i) {
        const int here = Sign(x[i] - x[i - 1]);
        run = here != 0 && here == direction ? run + 1 : (here != 0 ? 1 : 0);
        direction = here;
        if (run >= k)
            out.push_back(i);
    }
}

// Test 4: K changes alternating up and down.
void Alternation(const std::vector<double>& x, int k, std::vector<size_t>& out)
{
    int run = 0, previous = 0;
    for (size_t i = 1; i < x.size(); ++i) {
        const int here = Sign(x[i] - x[i - 1]);
        run = here != 0 && here == -previous ? run + 1 : (here != 0 ? 1 : 0);
        previous = here;
        if (run >= k)
            out.push_back(i);
    }
}

// Tests 5 and 6: K of the last K + 1 points beyond `zones` sigma on the side
// of the current point, which is itself beyond.
void KOutOfKPlusOne(const std::vector<double>& x, double c, double s, double zones, int k, std::vector<size_t>& out)
{
    for (size_t i = 0; i < x.size(); ++i) {
        const int side = SideBeyond(x[i], c, s, zones);
        if (side == 0)
            continue;
        const size_t first = i >= static_cast<size_t>(k) ? i - static_cast<size_t>(k) : 0;
        int beyond = 0;
        for (size_t j = first; j <= i; ++j)
            beyond += SideBeyond(x[j], c, s, zones) == side;
        if (beyond >= k)
            out.push_back(i);
    }
}

// Tests 7 and 8: K in a row within 1 sigma (7) or beyond it on either side (8).
void ZoneRun(const std::vector<double>& x, double c, double s, bool beyond, int k, std::vector<size_t>& out)
{
    int run = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        const bool isBeyond = SideBeyond(x[i], c, s, 1) != 0;
        run = isBeyond == beyond ? run + 1 : 0;
        if (run >= k)
            out.push_back(i);
    }
}

}  // namespace

TRunTestFlags ApplyRunTests(const std::vector<double>& x, double c, double s, const TRunTestK& k)
{
    TRunTestFlags flags;
    OutsideLimits(x, c, s, k[0], flags[0]);
    SameSide(x, c, k[1], flags[1]);
    Trend(x, k[2], flags[2]);
    Alternation(x, k[3], flags[3]);
    KOutOfKPlusOne(x, c, s, 2, k[4], flags[4]);
    KOutOfKPlusOne(x, c, s, 1, k[5], flags[5]);
    ZoneRun(x, c, s, false, k[6], flags[6]);
    ZoneRun(x, c, s, true, k[7], flags[7]);
    return flags;
}

namespace {

// Limits per point: the zone tests on each point's distance from its own
// centre in its own sigma, trends and alternations on the points themselves.
// Points without limits (a subgroup of one on an R or S chart) are skipped.
TRunTestFlags VaryingLimitFlags(const TControlChart& chart, std::vector<size_t>& shown)
{
    std::vector<double> standardized, points;
    for (size_t i = 0; i < chart.Points.size(); ++i) {
        const double sigma = chart.PointZoneSigmas[i];
        if (!std::isfinite(chart.Points[i]) || !(sigma > 0))
            continue;
        shown.push_back(i);
        points.push_back(chart.Points[i]);
        standardized.push_back((chart.Points[i] - chart.PointLimits[i].Centre) / sigma);
    }
    TRunTestFlags flags = ApplyRunTests(standardized, 0, 1);
    const TRunTestFlags onPoints = ApplyRunTests(points, 0, 1);
    flags[2] = onPoints[2];
    flags[3] = onPoints[3];
    return flags;
}

}  // namespace

std::vector<TRunViolation> ChartViolations(const TControlChart& chart)
{
    std::vector<TRunViolation> violations;
    TRunTestFlags flags;
    std::vector<size_t> shown;
    if (!chart.PointLimits.empty())
        flags = VaryingLimitFlags(chart, shown);
    else if (chart.ZoneSigma > 0)
        flags = ApplyRunTests(chart.Points, chart.Limits.Centre, chart.ZoneSigma);
    else
        return violations;
    for (int test = 0; test < RunTestCount; ++test) {
        if (flags[test].empty())
            continue;
        TRunViolation v{chart.Name, test + 1, {}};
        for (size_t i : flags[test])
            v.Points.push_back(chart.FirstPoint + static_cast<int>(shown.empty() ? i : shown[i]));
        violations.push_back(std::move(v));
    }
    return violations;
}

std::vector<int> LowestFailedTest(const TControlChart& chart, const std::vector<TRunViolation>& violations)
{
    std::vector<int> lowest(chart.Points.size(), 0);
    for (const TRunViolation& v : violations) {
        if (v.Chart != chart.Name)
            continue;
        for (int point : v.Points) {
            int& mark = lowest[static_cast<size_t>(point - chart.FirstPoint)];
            if (mark == 0 || v.Test < mark)
                mark = v.Test;
        }
    }
    return lowest;
}
