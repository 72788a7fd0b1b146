// Capability indices and their intervals against published values: qcc's
// test-capability.R under qcc's conventions and under this tool's, and the
// SAS/QC Cans and tire-diameter examples.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "CapabilityIntervals.h"
#include "ExtendedAnalysis.h"
#include "GoldenData.h"

namespace {

void ExpectInterval(const std::optional<TIntervalEstimate>& got, double value, double lower, double upper,
                    double relative)
{
    ASSERT_TRUE(got.has_value());
    EXPECT_NEAR(got->Value, value, relative * std::fabs(value));
    EXPECT_NEAR(got->Lower, lower, relative * std::fabs(lower));
    EXPECT_NEAR(got->Upper, upper, relative * std::fabs(upper));
}

TExtendedInput QccInput(TWithinSigmaMethod method)
{
    TExtendedInput in;
    in.Values = QccCapability;
    in.SubgroupSize = 4;
    in.LSL = 9.9, in.USL = 10.1, in.Target = 10.0;
    in.Method = method;
    return in;
}

double MeanOf(const std::vector<double>& x)
{
    double s = 0;
    for (double v : x)
        s += v;
    return s / static_cast<double>(x.size());
}

double StdDevOf(const std::vector<double>& x)
{
    const double m = MeanOf(x);
    double s = 0;
    for (double v : x)
        s += (v - m) * (v - m);
    return std::sqrt(s / static_cast<double>(x.size() - 1));
}

}  // namespace

// qcc: within sigma = mean range / 2.059, nu = N - 1 = 11 for every interval,
// Cpm from sqrt(sigma^2 + (mean - T)^2) with Boyles' nu without the square.
TEST(CapabilityGolden, QccDataUnderQccConventions)
{
    const std::vector<double>& x = QccCapability;
    double rangeSum = 0;
    for (size_t j = 0; j < 12; j += 4) {
        const auto [low, high] = std::minmax_element(x.begin() + j, x.begin() + j + 4);
        rangeSum += *high - *low;
    }
    const double within = rangeSum / 3 / 2.059, overall = StdDevOf(x), mean = MeanOf(x);
    const double nu = 11, count = 12, tolerance = 2e-6;

    const double cp = 0.2 / (6 * within);
    ExpectInterval(ChiSquareInterval(cp, nu, 0.95), 1.372667, 0.8084601, 1.937713, tolerance);
    const double cpk = std::min(mean - 9.9, 10.1 - mean) / (3 * within);
    ExpectInterval(BissellInterval(cpk, count, nu, 0.95), 1.304033, 0.7274079, 1.880659, tolerance);
    const double pp = 0.2 / (6 * overall);
    ExpectInterval(ChiSquareInterval(pp, nu, 0.95), 1.612598, 0.9497727, 2.27641, tolerance);
    const double ppk = std::min(mean - 9.9, 10.1 - mean) / (3 * overall);
    ExpectInterval(BissellInterval(ppk, count, nu, 0.95), 1.531968, 0.8646077, 2.199329, tolerance);

    struct TCpmCase {
        double Target, Sigma, Value, Lower, Upper;
    };
    const TCpmCase cpms[] = {{10.0, within, 1.344463, 0.8042068, 1.885321},
                             {10.0, overall, 1.567395, 0.9333274, 2.202237},
                             {10.02, within, 1.167834, 0.6505421, 1.686689},
                             {10.02, overall, 1.305161, 0.7124928, 1.899988}};
    for (const TCpmCase& c : cpms) {
        SCOPED_TRACE(c.Target);
        const double a = (mean - c.Target) / c.Sigma;
        const double cpm = 0.2 / (6 * std::sqrt(c.Sigma * c.Sigma + (mean - c.Target) * (mean - c.Target)));
        const double boylesWithoutSquare = count * (1 + a * a) / (1 + 2 * a * a);
        const TIntervalEstimate chi = ChiSquareInterval(cpm, boylesWithoutSquare, 0.95);
        ExpectInterval(TIntervalEstimate{cpm, chi.Lower, chi.Upper}, c.Value, c.Lower, c.Upper, tolerance);
    }
}

// The same qcc data under this tool's conventions (exact c4 and d2, pooled or
// Rbar/d2 degrees of freedom): not published; recomputed from the formulas by
// two independent implementations (Python with SciPy, R 4.2.2) agreeing to 9 digits.
TEST(CapabilityGolden, QccDataUnderThisToolsConventions)
{
    const TExtendedResult rbar = AnalyseExtended(QccInput(TWithinSigmaMethod::RBar));
    ASSERT_TRUE(rbar.SigmaWithin);
    EXPECT_NEAR(rbar.SigmaWithin->Value, 0.0242865729, 1e-10);
    EXPECT_NEAR(rbar.SigmaWithin->Dof, 8.1, 1e-12);
    ExpectInterval(rbar.Indices.Cp, 1.3725005, 0.7202302, 2.028008, 1e-6);
    ExpectInterval(rbar.Indices.Cpk, 1.30387547, 0.6415261, 1.966225, 1e-6);

    const TExtendedResult pooled = AnalyseExtended(QccInput(TWithinSigmaMethod::Pooled));
    ASSERT_TRUE(pooled.SigmaWithin);
    EXPECT_NEAR(pooled.SigmaWithin->Value, 0.0233692347, 1e-10);
    EXPECT_EQ(pooled.SigmaWithin->Dof, 9);
    ExpectInterval(pooled.Indices.Cp, 1.42637676, 0.7813151, 2.073719, 1e-6);
    ASSERT_TRUE(pooled.Indices.Cpk);
    EXPECT_NEAR(pooled.Indices.Cpk->Lower, 0.7012715, 1e-6);
    EXPECT_NEAR(pooled.Indices.Cpk->Upper, 2.008844, 1e-6);
    ASSERT_TRUE(pooled.Indices.Pp && pooled.Indices.Ppk);
    EXPECT_NEAR(pooled.Indices.Pp->Value, 1.61259816, 1e-8);
    EXPECT_NEAR(pooled.Indices.Ppk->Value, 1.53196825, 1e-8);
    EXPECT_EQ(pooled.SigmaOverall->Dof, 11);
}

// SAS/QC User's Guide, CAPABILITY procedure, Cans: every index from the overall s, nu = 99.
TEST(CapabilityGolden, SasCansFromTheOverallSigma)
{
    TExtendedInput in;
    in.Values = SasCans;
    in.SubgroupSize = 1;
    in.LSL = 11.95, in.Target = 12, in.USL = 12.05;
    const TExtendedResult r = AnalyseExtended(in);
    EXPECT_EQ(r.Count, 100);
    EXPECT_NEAR(*r.Mean, 12.0093, 1e-9);
    EXPECT_NEAR(r.SigmaOverall->Value, 0.04695269487, 1e-11);
    EXPECT_EQ(r.SigmaOverall->Dof, 99);
    ExpectInterval(r.Indices.Pp, 0.354967, 0.305565, 0.404288, 3e-6);
    ExpectInterval(r.Indices.Ppk, 0.288943, 0.212210, 0.365677, 5e-6);
}

// SAS/QC User's Guide, MACONTROL, tire diameters: I and MR limits with exact constants.
TEST(CapabilityGolden, SasTiresIndividualsLimits)
{
    TExtendedInput in;
    in.Values = SasTires;
    in.SubgroupSize = 1;
    const TExtendedResult r = AnalyseExtended(in);
    EXPECT_EQ(r.WithinMethod, TWithinSigmaMethod::MovingRange);
    EXPECT_NEAR(*r.Mean, 24.0083, 5e-5);
    ASSERT_EQ(r.Charts.size(), 2u);
    const TControlChart& i = r.Charts[0];
    const TControlChart& mr = r.Charts[1];
    EXPECT_EQ(i.Name, "i");
    EXPECT_EQ(mr.Name, "mr");
    EXPECT_EQ(mr.FirstPoint, 2);
    EXPECT_NEAR(r.SigmaWithin->Value, 0.050423, 5e-7);
    EXPECT_NEAR(mr.Limits.Centre, 0.056897, 5e-7);
    EXPECT_NEAR(i.Limits.Lower, 23.8571, 5e-5);
    EXPECT_NEAR(i.Limits.Upper, 24.1596, 5e-5);
    EXPECT_NEAR(mr.Limits.Upper, 0.18585, 5e-6);
    EXPECT_EQ(mr.Limits.Lower, 0);
    // No specification: the indices are left out and a message says why.
    EXPECT_FALSE(r.Indices.Cpk);
    EXPECT_FALSE(r.Indices.Pp);
    EXPECT_FALSE(r.Messages.empty());
}
