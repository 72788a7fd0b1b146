// The eight run tests: qcc's test-rules.R cases (centre 0, sigma 1; tests 3
// and 4 in changes), the JASP individuals example, and the edge cases.
#include <gtest/gtest.h>

#include "ExtendedAnalysis.h"
#include "GoldenData.h"
#include "RunTests.h"

namespace {

// Flagged points of one test, numbered from 1.
std::vector<int> Flagged(const TRunTestFlags& flags, int test)
{
    std::vector<int> points;
    for (size_t i : flags[static_cast<size_t>(test - 1)])
        points.push_back(static_cast<int>(i) + 1);
    return points;
}

std::vector<int> Span(int first, int last)
{
    std::vector<int> points;
    for (int p = first; p <= last; ++p)
        points.push_back(p);
    return points;
}

std::vector<int> Join(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

TEST(RunTests, QccRulesCases)
{
    struct TCase {
        int Test;
        std::vector<double> X;
        std::vector<int> Expected;
    };
    std::vector<double> sameSide(10, 0.5), within(16, 0.3);
    sameSide.insert(sameSide.end(), 10, -0.5);
    within.push_back(1.2);
    const TCase cases[] = {{1, {0, 3.2, -3.4, 3}, {2, 3}},
                           {2, sameSide, {9, 10, 19, 20}},
                           {3, {1, 2, 3, 4, 5, 6, 7, 7, 6, 5, 4, 3, 2, 1}, {7, 14}},
                           {4, {1, 3, 2, 4, 3, 5, 4, 6, 5, 7, 6, 8, 7, 9, 8}, {15}},
                           {5, {0, 2.3, 0.4, 2.2, -2.4, -0.2, -2.5}, {4, 7}},
                           {6, {1.2, 1.3, 0.2, 1.4, 1.5, -1.2, -1.3, -0.1, -1.4, -1.5}, {5, 10}},
                           {7, within, {15, 16}},
                           {8, {1.2, -1.3, 1.1, -1.4, 1.5, -1.2, 1.3, -1.1, 0.2}, {8}}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Test);
        EXPECT_EQ(Flagged(ApplyRunTests(c.X, 0, 1), c.Test), c.Expected);
    }
}

// JASP: the source's K and sigma MRbar/1.128, then this tool's defaults and exact d2.
TEST(RunTests, JaspIndividualsChart)
{
    const std::vector<double> x = JaspIndividuals();
    const TRunTestFlags jasp = ApplyRunTests(x, 0.273777778, 0.434090909 / 1.128, {3, 7, 7, 14, 2, 4, 15, 8});
    EXPECT_EQ(Flagged(jasp, 1), Span(37, 45));
    EXPECT_EQ(Flagged(jasp, 2), Join(Span(22, 36), {43, 44}));
    EXPECT_EQ(Flagged(jasp, 3), std::vector<int>{22});
    EXPECT_EQ(Flagged(jasp, 4), (std::vector<int>{15, 16}));
    EXPECT_EQ(Flagged(jasp, 5), Span(38, 44));
    EXPECT_EQ(Flagged(jasp, 6), Span(40, 44));
    EXPECT_EQ(Flagged(jasp, 7), Span(29, 36));
    EXPECT_EQ(Flagged(jasp, 8), (std::vector<int>{44, 45}));

    TExtendedInput in;
    in.Values = x;
    in.SubgroupSize = 1;
    const TExtendedResult r = AnalyseExtended(in);
    std::vector<std::vector<int>> individuals(9);
    for (const TRunViolation& v : r.RunTests)
        if (v.Chart == "i")
            individuals[static_cast<size_t>(v.Test)] = v.Points;
    EXPECT_EQ(individuals[1], Span(37, 45));
    EXPECT_EQ(individuals[2], Span(24, 36));
    EXPECT_EQ(individuals[3], (std::vector<int>{21, 22}));
    EXPECT_EQ(individuals[4], (std::vector<int>{15, 16}));
    EXPECT_EQ(individuals[5], Span(38, 44));
    EXPECT_EQ(individuals[6], Span(40, 44));
    EXPECT_EQ(individuals[7], Span(29, 36));
    EXPECT_EQ(individuals[8], (std::vector<int>{44, 45}));

    // MR chart, numbered by observation: test 1 against D4(2) MRbar, test 2 with K 7.
    const TControlChart& mr = r.Charts[1];
    const TRunTestFlags mrFlags = ApplyRunTests(mr.Points, mr.Limits.Centre, mr.ZoneSigma, {3, 7, 6, 14, 2, 4, 15, 8});
    auto observations = [](std::vector<int> points) {
        for (int& p : points)
            ++p;
        return points;
    };
    EXPECT_EQ(observations(Flagged(mrFlags, 1)), (std::vector<int>{37, 45}));
    EXPECT_EQ(observations(Flagged(mrFlags, 2)), Join(Join(Span(8, 16), Span(23, 36)), {44}));
}

TEST(RunTests, EdgeCases)
{
    // A point on the centre line breaks a same-side run; the run restarts after it.
    std::vector<double> run(8, 1.0);
    run.push_back(0.0);
    run.insert(run.end(), 9, 1.0);
    EXPECT_EQ(Flagged(ApplyRunTests(run, 0, 10), 2), std::vector<int>{18});
    // An equal neighbour breaks a trend; six changes need seven points.
    EXPECT_TRUE(Flagged(ApplyRunTests({1, 2, 3, 3, 4, 5, 6, 7}, 0, 10), 3).empty());
    EXPECT_EQ(Flagged(ApplyRunTests({1, 2, 3, 4, 5, 6, 7}, 0, 10), 3), std::vector<int>{7});
    EXPECT_TRUE(Flagged(ApplyRunTests({1, 2, 3, 4, 5, 6}, 0, 10), 3).empty());
    // Patterns at the start: K out of K + 1 with fewer than K + 1 points so far.
    EXPECT_EQ(Flagged(ApplyRunTests({2.5, 2.5}, 0, 1), 5), (std::vector<int>{2}));
    // "Beyond" is strict: a point exactly at 3 sigma is not flagged.
    EXPECT_TRUE(Flagged(ApplyRunTests({3.0, -3.0}, 0, 1), 1).empty());
    // Lowest-numbered test marks a point.
    TControlChart chart{"i", {0, 5}, 1, {0, 3, -3}, 1, {}, {}, false};
    const std::vector<TRunViolation> v = ChartViolations(chart);
    EXPECT_EQ(LowestFailedTest(chart, v), (std::vector<int>{0, 1}));
    // No zone width, no tests.
    EXPECT_TRUE(ChartViolations(TControlChart{"i", {1, 2}, 1, {0, 0, 0}, 0, {}, {}, false}).empty());
}
