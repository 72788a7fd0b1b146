// X-bar and S charts, subgroups of unequal size and historical values against
// JASP's stored chart objects ("verified with Minitab", 10 digits) and its
// capability tests, and small cases recomputed from the formulas.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "ExtendedAnalysis.h"
#include "GoldenData.h"

namespace {

std::vector<double> Negated(std::vector<double> x)
{
    for (double& v : x)
        v = -v;
    return x;
}

TExtendedInput Subgroups(std::vector<double> x, std::vector<int> rows, TWithinSigmaMethod method,
                         TControlChartChoice chart = TControlChartChoice::XbarS)
{
    TExtendedInput in;
    in.Values = std::move(x);
    in.SubgroupSize = 5;
    if (!rows.empty()) {
        in.Subgroups = TSubgroupChoice::Rows;
        in.RowSizes = std::move(rows);
    }
    in.Method = method;
    in.Chart = chart;
    return in;
}

// Relative to the value (absolute below 1): the published values carry 10 significant digits.
void ExpectLimits(const TChartLimits& got, double centre, double upper, double lower, double tolerance)
{
    EXPECT_NEAR(got.Centre, centre, tolerance * std::max(1.0, std::fabs(centre)));
    EXPECT_NEAR(got.Upper, upper, tolerance * std::max(1.0, std::fabs(upper)));
    EXPECT_NEAR(got.Lower, lower, tolerance * std::max(1.0, std::fabs(lower)));
}

}  // namespace

// JASP test-variablesChartsSubgroups.R LF2, x-bar-s-control-chart1 plot objects: Sbar/c4, tolerance 1e-9.
TEST(SubgroupChartsGolden, JaspXbarSEqualSizes)
{
    const TExtendedResult r = AnalyseExtended(Subgroups(Negated(JaspCapability), {}, TWithinSigmaMethod::SBar));
    ASSERT_EQ(r.Charts.size(), 2u);
    EXPECT_EQ(r.Charts[1].Name, "s");
    ExpectLimits(r.Charts[0].Limits, -7.08, -4.599565021, -9.560434979, 1e-9);
    ExpectLimits(r.Charts[1].Limits, 1.737852034, 3.630369194, 0, 1e-9);
    // Pooled (recomputed).
    const TExtendedResult pooled = AnalyseExtended(Subgroups(Negated(JaspCapability), {}, TWithinSigmaMethod::Pooled));
    EXPECT_NEAR(pooled.SigmaWithin->Value, 1.8800724, 1e-7);
    EXPECT_NEAR(pooled.Charts[0].Limits.Upper, -4.55761818, 1e-8);
    ExpectLimits(pooled.Charts[1].Limits, 1.76724099, 3.69176266, 0, 1e-8);
}

// JASP LF28, x-bar-s-control-chart13 plot objects: 20 subgroups of unequal
// size, Sbar/c4 with the weights h_i, limits per subgroup, tolerance 1e-9.
TEST(SubgroupChartsGolden, JaspUnequalSizes)
{
    const std::vector<int> sizes{7, 3, 6, 4, 6, 4, 6, 5, 4, 5, 5, 5, 5, 5, 4, 6, 5, 6, 4, 5};
    const TExtendedResult r = AnalyseExtended(Subgroups(Negated(JaspCapability), sizes, TWithinSigmaMethod::SBar));
    EXPECT_FALSE(r.EqualSizes);
    EXPECT_NEAR(r.SigmaWithin->Value, 1.832487346, 1e-9);
    struct TRow {
        int N;
        double XbarUpper, XbarLower, SCentre, SUpper, SLower;
    };
    const TRow sbar[] = {{3, -3.906038813, -10.25396119, 1.623999626, 4.170706475, 0},
                         {4, -4.331268982, -9.828731018, 1.688303085, 3.825774274, 0},
                         {5, -4.621460236, -9.538539764, 1.722511723, 3.598323317, 0},
                         {6, -4.835670522, -9.324329478, 1.743671928, 3.434400381, 0.05294347606},
                         {7, -5.002154658, -9.157845342, 1.758031165, 3.309168377, 0.2068939531}};
    // Pooled, this tool's default (recomputed): sigma 1.85861148, d = 80.
    const TRow pooled[] = {{3, -3.86079049, -10.2992095, 1.64715154, 4.23016451, 0},
                           {4, -4.29208278, -9.86791722, 1.71237171, 3.88031492, 0},
                           {5, -4.58641103, -9.57358897, 1.74706803, 3.64962139, 0},
                           {6, -4.80367512, -9.35632488, 1.7685299, 3.48336155, 0.0536982438},
                           {7, -4.97253268, -9.18746732, 1.78309384, 3.35634423, 0.209843455}};
    const TExtendedResult p = AnalyseExtended(Subgroups(Negated(JaspCapability), sizes, TWithinSigmaMethod::Pooled));
    EXPECT_NEAR(p.SigmaWithin->Value, 1.85861148, 1e-8);
    EXPECT_EQ(p.SigmaWithin->Dof, 80);
    for (const auto& [result, rows, tolerance] : {std::tuple{&r, sbar, 1e-9}, std::tuple{&p, pooled, 1e-8}})
        for (size_t i = 0; i < sizes.size(); ++i) {
            const TRow& row = rows[sizes[i] - 3];
            SCOPED_TRACE(i);
            ExpectLimits(result->Charts[0].PointLimits[i], -7.08, row.XbarUpper, row.XbarLower, tolerance);
            ExpectLimits(result->Charts[1].PointLimits[i], row.SCentre, row.SUpper, row.SLower, tolerance);
        }
}

// JASP LF12, x-bar-s-control-chart6: known mean 0 and sigma 3, n = 5, tolerance 1e-9.
TEST(SubgroupChartsGolden, JaspHistoricalChartLimits)
{
    TExtendedInput in = Subgroups(Negated(JaspCapability), {}, TWithinSigmaMethod::SBar);
    in.HistoricalMean = 0, in.HistoricalSigma = 3;
    const TExtendedResult r = AnalyseExtended(in);
    ExpectLimits(r.Charts[0].Limits, 0, 4.024922359, -4.024922359, 1e-9);
    ExpectLimits(r.Charts[1].Limits, 2.819956809, 5.890883764, 0, 1e-9);
    EXPECT_TRUE(r.Charts[0].Historical);
}

// JASP test-processCapabilityStudies.R LF25, LF26 ("verified with other software"), printed digits.
TEST(SubgroupChartsGolden, JaspHistoricalCapability)
{
    TExtendedInput in = Subgroups(JaspCapability, {}, TWithinSigmaMethod::SBar);
    in.LSL = 0, in.Target = 6, in.USL = 12;
    in.HistoricalMean = 6, in.HistoricalSigma = 3;
    const TExtendedResult both = AnalyseExtended(in);
    for (const auto* index : {&both.Indices.Cp, &both.Indices.CPL, &both.Indices.CPU, &both.Indices.Cpk}) {
        EXPECT_NEAR((*index)->Value, 0.67, 0.005);
        EXPECT_TRUE(std::isnan((*index)->Lower));  // no interval for a given sigma
    }
    EXPECT_NEAR(*both.WithinPpm.Below, 22750.13, 0.005);
    EXPECT_NEAR(*both.WithinPpm.Above, 22750.13, 0.005);
    EXPECT_NEAR(*both.OverallPpm.Below, 614.34, 0.005);
    EXPECT_NEAR(*both.OverallPpm.Above, 614.34, 0.005);

    in.HistoricalSigma.reset();
    const TExtendedResult mean = AnalyseExtended(in);
    EXPECT_NEAR(mean.SigmaWithin->Value, 1.84880708, 1e-8);
    for (const auto* index : {&mean.Indices.Cp, &mean.Indices.CPL, &mean.Indices.CPU, &mean.Indices.Cpk})
        EXPECT_NEAR((*index)->Value, 1.08, 0.005);
    EXPECT_NEAR(*mean.OverallPpm.Below, 614.34, 0.005);
    EXPECT_NEAR(*mean.OverallPpm.Above, 614.34, 0.005);
}

// N3 (recomputed): rows of 4 2 5 1 3 5 values; the row of one has an X-bar point only.
TEST(SubgroupChartsGolden, RowsWithMissingValues)
{
    const std::vector<double> x{50.9, 48.6, 50.5, 46.6, 51.5, 46.9, 50.0, 49.8, 48.4, 55.7,
                                48.8, 50.9, 52.2, 47.6, 52.7, 49.8, 52.0, 48.2, 47.9, 52.4};
    const std::vector<int> sizes{4, 2, 5, 1, 3, 5};
    EXPECT_NEAR(AnalyseExtended(Subgroups(x, sizes, TWithinSigmaMethod::SBar)).SigmaWithin->Value, 2.73014726, 1e-8);
    EXPECT_NEAR(AnalyseExtended(Subgroups(x, sizes, TWithinSigmaMethod::RBar)).SigmaWithin->Value, 2.61453201, 1e-8);
    const TExtendedResult s = AnalyseExtended(Subgroups(x, sizes, TWithinSigmaMethod::Pooled));
    const TExtendedResult r =
        AnalyseExtended(Subgroups(x, sizes, TWithinSigmaMethod::Pooled, TControlChartChoice::XbarR));
    EXPECT_NEAR(*s.Mean, 50.07, 1e-12);
    EXPECT_NEAR(s.SigmaWithin->Value, 2.58941967, 1e-8);
    EXPECT_EQ(s.SigmaWithin->Dof, 14);
    const double rows[][7] = {{46.1858705, 53.9541295, 5.33096967, 12.1655477, 2.38567826, 5.40605924},
                              {44.5770114, 55.5629886, 2.92184721, 9.54430717, 2.06605797, 6.74884432},
                              {46.595929, 53.544071, 6.02280616, 12.7352185, 2.43401721, 5.08465676},
                              {42.301741, 57.838259, NAN, NAN, NAN, NAN},
                              {45.5849936, 54.5550064, 4.38277081, 11.2838436, 2.29481343, 5.8934701},
                              {46.595929, 53.544071, 6.02280616, 12.7352185, 2.43401721, 5.08465676}};
    for (size_t i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const double* row = rows[i];
        EXPECT_NEAR(s.Charts[0].PointLimits[i].Lower, row[0], 1e-7);
        EXPECT_NEAR(s.Charts[0].PointLimits[i].Upper, row[1], 1e-7);
        if (std::isnan(row[2])) {
            EXPECT_TRUE(std::isnan(r.Charts[1].Points[i]));
            EXPECT_TRUE(std::isnan(r.Charts[1].PointLimits[i].Upper));
            EXPECT_TRUE(std::isnan(s.Charts[1].PointLimits[i].Centre));
            continue;
        }
        EXPECT_NEAR(r.Charts[1].PointLimits[i].Centre, row[2], 1e-7);
        EXPECT_NEAR(r.Charts[1].PointLimits[i].Upper, row[3], 1e-7);
        EXPECT_EQ(r.Charts[1].PointLimits[i].Lower, 0);
        EXPECT_NEAR(s.Charts[1].PointLimits[i].Centre, row[4], 1e-8);
        EXPECT_NEAR(s.Charts[1].PointLimits[i].Upper, row[5], 1e-7);
        EXPECT_EQ(s.Charts[1].PointLimits[i].Lower, 0);
    }
    // Every subgroup of one value: the individuals' charts; one row alone: a message.
    const TExtendedResult single = AnalyseExtended(Subgroups({1, 2, 4}, {1, 1, 1}, TWithinSigmaMethod::Pooled));
    EXPECT_EQ(single.Charts[0].Name, "i");
    const TExtendedResult one = AnalyseExtended(Subgroups({1, 2, 4}, {3}, TWithinSigmaMethod::Pooled));
    EXPECT_TRUE(std::any_of(one.Messages.begin(), one.Messages.end(),
                            [](const std::string& m) { return m.find("只有一个子组") != std::string::npos; }));
}

// N4 (recomputed): n = 6, where B3 > 0.
TEST(SubgroupChartsGolden, XbarSWithPositiveLowerLimit)
{
    const std::vector<double> x{96.4,  103.8, 99.8,  102.3, 106.7, 102.7, 106.8, 104.3, 107.4, 94.8,  96.1,  93.7,
                                102.8, 98.8,  104.6, 101.6, 100.6, 110.8, 103.0, 99.9,  95.1,  106.0, 104.8, 94.6};
    TExtendedInput in = Subgroups(x, {}, TWithinSigmaMethod::SBar);
    in.SubgroupSize = 6;
    const TExtendedResult r = AnalyseExtended(in);
    EXPECT_NEAR(r.SigmaWithin->Value, 4.97591767, 1e-7);
    ExpectLimits(r.Charts[0].Limits, 101.558333, 107.652563, 95.4641037, 1e-6);
    ExpectLimits(r.Charts[1].Limits, 4.73474918, 9.32573618, 0.143762181, 1e-8);
    in.Method = TWithinSigmaMethod::Pooled;
    const TExtendedResult p = AnalyseExtended(in);
    EXPECT_NEAR(p.SigmaWithin->Value, 4.9074643, 1e-7);
    EXPECT_NEAR(p.Charts[0].Limits.Upper, 107.568725, 1e-6);
    ExpectLimits(p.Charts[1].Limits, 4.66961355, 9.19744265, 0.141784455, 1e-8);
}
