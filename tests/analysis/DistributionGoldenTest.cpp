// Distribution fits and non-normal capability against published values (JASP,
// fitdistrplus, cmstatr, SciPy), and against values recomputed from the
// published formulas by two independent implementations (Python with SciPy's
// normal functions, R 4.2.2 with uniroot and quantile type 6; they agree to
// 9 significant digits).
#include <gtest/gtest.h>

#include <cmath>

#include "DistributionCapability.h"
#include "DistributionFits.h"
#include "ExtendedAnalysis.h"
#include "GoldenData.h"

namespace {

double Parameter(const TDistributionFit& fit, const char* name)
{
    for (const auto& [key, value] : fit.Parameters)
        if (key == name)
            return value;
    ADD_FAILURE() << fit.Name << " has no " << name;
    return NAN;
}

void ExpectRelative(const std::optional<double>& got, double expected, double relative)
{
    ASSERT_TRUE(got.has_value());
    EXPECT_NEAR(*got, expected, relative * std::fabs(expected));
}

TExtendedResult Capability(const std::vector<double>& x, TDistributionChoice choice, std::optional<double> lsl,
                           std::optional<double> usl)
{
    TExtendedInput in;
    in.Values = x;
    in.SubgroupSize = 1;
    in.LSL = lsl, in.USL = usl;
    in.Distribution = choice;
    return AnalyseExtended(in);
}

const TDistributionFit& FitNamed(const TExtendedResult& r, const char* name)
{
    for (const TDistributionFit& f : r.Distribution.Fits)
        if (f.Name == name)
            return f;
    throw std::runtime_error(name);
}

}  // namespace

// JASP test-processCapabilityStudies.R WF3 (Weibull) and WF4 (lognormal), LSL 0,
// USL 12, percentile method; JASP prints two decimals, so 0.005 on indices.
TEST(DistributionGolden, JaspWeibullAndLognormalCapability)
{
    const TExtendedResult weibull = Capability(JaspCapability, TDistributionChoice::Weibull, 0, 12);
    const TDistributionFit& w = FitNamed(weibull, "weibull");
    // JASP's optimiser stops at 1e-4 relative; the exact MLE (recomputed) to 1e-8.
    EXPECT_NEAR(Parameter(w, "shape"), 4.13179160447975, 1e-4 * 4.13);
    EXPECT_NEAR(Parameter(w, "scale"), 7.78757547787008, 1e-4 * 7.79);
    EXPECT_NEAR(Parameter(w, "shape"), 4.13179163, 1e-8 * 4.13);
    EXPECT_NEAR(Parameter(w, "scale"), 7.78727476, 1e-8 * 7.79);
    const TDistributionCapability& d = weibull.Distribution;
    EXPECT_EQ(d.Selected, "weibull");
    EXPECT_NEAR(*d.Pp, 1.12, 0.005);
    EXPECT_NEAR(*d.PPL, 1.28, 0.005);
    EXPECT_NEAR(*d.PPU, 0.94, 0.005);
    EXPECT_NEAR(*d.Ppk, 0.94, 0.005);
    EXPECT_EQ(*d.Ppm.Below, 0);
    EXPECT_NEAR(*d.Ppm.Above, 2555.7, 0.05);
    EXPECT_NEAR(*w.A2, 0.6, 0.005);
    // Recomputed under this tool's conventions.
    ExpectRelative(d.P00135, 1.57370507, 1e-8);
    ExpectRelative(d.P50, 7.12625173, 1e-8);
    ExpectRelative(d.P99865, 12.2986662, 1e-8);
    ExpectRelative(d.Pp, 1.11888518, 1e-8);
    ExpectRelative(d.PPL, 1.28342041, 1e-8);
    ExpectRelative(d.Ppk, 0.942257882, 1e-8);
    ExpectRelative(d.Ppm.Above, 2555.69651, 1e-8);
    ExpectRelative(w.A2, 0.600345298, 1e-8);
    ExpectRelative(w.P, 0.115558163, 1e-8);

    const TExtendedResult lognormal = Capability(JaspCapability, TDistributionChoice::Lognormal, 0, 12);
    const TDistributionFit& l = FitNamed(lognormal, "lognormal");
    EXPECT_NEAR(Parameter(l, "meanlog"), 1.92172832782915, 1e-12);
    EXPECT_NEAR(Parameter(l, "sdlog"), 0.273022707246043, 1e-12);
    const TDistributionCapability& g = lognormal.Distribution;
    EXPECT_NEAR(*g.Pp, 0.96, 0.005);
    EXPECT_NEAR(*g.PPL, 1.79, 0.005);
    EXPECT_NEAR(*g.PPU, 0.6, 0.005);
    EXPECT_NEAR(*g.Ppk, 0.6, 0.005);
    EXPECT_EQ(*g.Ppm.Below, 0);
    EXPECT_NEAR(*g.Ppm.Above, 19568.07, 0.005);
    EXPECT_NEAR(*l.A2, 0.56, 0.005);
    EXPECT_NEAR(*l.P, 0.14, 0.005);
    ExpectRelative(g.P00135, 3.01218728, 1e-8);
    ExpectRelative(g.P99865, 15.4992273, 1e-8);
    ExpectRelative(l.A2, 0.563606068, 1e-8);
    ExpectRelative(l.P, 0.141174464, 1e-8);

    // Recomputed: normal and Box-Cox fits; the LSL 0 leaves Box-Cox's lower side out; "best" is boxcox.
    const TExtendedResult best = Capability(JaspCapability, TDistributionChoice::Best, 0, 12);
    ExpectRelative(FitNamed(best, "normal").A2, 0.43091877, 1e-8);
    ExpectRelative(FitNamed(best, "normal").P, 0.300991418, 1e-8);
    const TDistributionFit& b = FitNamed(best, "boxcox");
    EXPECT_NEAR(Parameter(b, "lambda"), 0.544669262, 1e-8);
    EXPECT_NEAR(Parameter(b, "mean"), 3.44974833, 1e-8);
    EXPECT_NEAR(Parameter(b, "sd"), 0.766130115, 1e-8);
    ExpectRelative(b.A2, 0.323621392, 1e-7);
    ExpectRelative(b.P, 0.520985648, 1e-7);
    EXPECT_EQ(best.Distribution.Selected, "boxcox");
    EXPECT_FALSE(best.Distribution.Pp);
    EXPECT_FALSE(best.Distribution.PPL);
    ExpectRelative(best.Distribution.PPU, 0.792254331, 1e-7);
    ExpectRelative(best.Distribution.Ppk, 0.792254331, 1e-7);
    ExpectRelative(best.Distribution.Ppm.Above, 8732.65306, 1e-7);
    EXPECT_FALSE(best.Messages.empty());  // the LSL that cannot be transformed is named
}

// fitdistrplus reference manual, fitdist examples (3) and (10), groundbeef:
// the maximum-likelihood lognormal (sdlog with N, from this tool's N - 1) to
// its printed digits, the Weibull from a Nelder-Mead search at 2e-4.
TEST(DistributionGolden, FitdistrplusGroundBeef)
{
    const std::vector<double>& x = GroundBeef;
    const TDistributionFit lognormal = FitLognormal(x);
    const double n = static_cast<double>(x.size());
    const double meanlog = Parameter(lognormal, "meanlog");
    const double mleSdlog = Parameter(lognormal, "sdlog") * std::sqrt((n - 1) / n);
    EXPECT_NEAR(meanlog, 4.1693701, 5e-8);
    EXPECT_NEAR(mleSdlog, 0.5366095, 5e-8);

    const TDistributionFit weibull = FitWeibull(x);
    EXPECT_NEAR(Parameter(weibull, "shape"), 2.185885, 2e-4 * 2.19);
    EXPECT_NEAR(Parameter(weibull, "scale"), 83.347679, 2e-4 * 83.3);
    EXPECT_NEAR(Parameter(weibull, "shape"), 2.18561233, 1e-8 * 2.19);  // exact MLE, recomputed
    EXPECT_NEAR(Parameter(weibull, "scale"), 83.3466688, 1e-8 * 83.3);
    ExpectRelative(weibull.A2, 3.57307185, 1e-8);
    ExpectRelative(weibull.P, 2.05018218e-08, 1e-7);

    // This tool's conventions (recomputed); all four fits are rejected, "best" tests the ordering.
    const TExtendedResult best = Capability(x, TDistributionChoice::Best, std::nullopt, std::nullopt);
    ExpectRelative(FitNamed(best, "lognormal").A2, 4.5354789, 1e-7);
    ExpectRelative(FitNamed(best, "normal").A2, 5.2837005, 1e-7);
    EXPECT_NEAR(Parameter(FitNamed(best, "boxcox"), "lambda"), 0.39798123, 1e-8);
    ExpectRelative(FitNamed(best, "boxcox").A2, 3.54289153, 1e-7);
    EXPECT_EQ(best.Distribution.Selected, "weibull");
}

// cmstatr test-adtest.R: Weibull OSL 0.179 (tolerance 0.002) of 18 strength
// values; Lawless (1982) p. 455: A*^2 = 0.474 .. 1.038 at 0.25 .. 0.01 (0.002).
TEST(DistributionGolden, CmstatrWeibullSignificance)
{
    const TDistributionFit weibull = FitWeibull(CmstatrStrength);
    EXPECT_NEAR(*weibull.P, 0.179, 0.002);
    ExpectRelative(weibull.A2, 0.511390812, 1e-8);
    EXPECT_NEAR(Parameter(weibull, "shape"), 24.8106466, 1e-7 * 24.8);
    const TDistributionFit lognormal = FitLognormal(CmstatrStrength);
    EXPECT_NEAR(*lognormal.A2, 0.277, 0.005);
    ExpectRelative(lognormal.P, 0.609506883, 1e-8);

    const double points[][2] = {{0.474, 0.25}, {0.637, 0.10}, {0.757, 0.05}, {0.877, 0.025}, {1.038, 0.01}};
    for (double count : {5.0, 10.0, 20.0})
        for (const auto& [adjusted, p] : points) {
            SCOPED_TRACE(adjusted);
            EXPECT_NEAR(AndersonDarlingWeibullP(adjusted / (1 + 0.2 / std::sqrt(count)), count), p, 0.002);
        }
}

// SciPy test_morestats.py: TestBoxcoxNormmax (rtol 1e-6), test_gh_6873 (R's
// car::powerTransform, trusted there to rtol 1e-5) and the log-likelihood at
// lambda = -8 against mpmath (rtol 1e-7).
TEST(DistributionGolden, ScipyBoxCoxLambda)
{
    const TDistributionFit fit = FitBoxCox(ScipyBoxcoxNormmax);
    EXPECT_NEAR(Parameter(fit, "lambda"), 1.758101, 1e-6 * 1.758101);
    EXPECT_NEAR(Parameter(fit, "lambda"), 1.75810143, 1e-8);  // recomputed from dL/dlambda = 0
    const double lambda = Parameter(FitBoxCox(ScipyBoxcoxData), "lambda");
    EXPECT_NEAR(lambda, -0.051654, 1e-5 * 0.051654);
    EXPECT_NEAR(lambda, -0.0516543154, 1e-10);  // recomputed
    std::vector<double> logs;
    for (double v : {198.0, 233.0, 233.0, 392.0})
        logs.push_back(std::log(v));
    EXPECT_NEAR(BoxCoxLogLikelihood(logs, -8), -17.93934208579061, 1e-7 * 17.94);
}

// N1 (recomputed): 20 values, LSL 1, USL 12, every choice.
TEST(DistributionGolden, EveryChoiceOnTwentyValues)
{
    const std::vector<double> x{7.3,  2.92, 2.67, 1.01, 3.31, 2.88, 2.61, 3.83, 4.01, 2.06,
                                2.23, 2.68, 4.53, 4.27, 1.85, 2.01, 4.63, 6.74, 3.27, 2.44};
    struct TRow {
        TDistributionChoice Choice;
        double A2, P, Low, Mid, High, Pp, PPL, PPU, Below, Above;
    };
    const TRow rows[] = {
        {TDistributionChoice::Normal, 0.74151897, 0.0445534404, -1.34455024, 3.3625, 8.06955024, 1.16845105,
         0.501902839, 1.83499927, 66071.0082, 0.0184586432},
        {TDistributionChoice::Lognormal, 0.236807486, 0.754359023, 0.77211211, 3.04969273, 12.0456934, 0.975732531,
         0.899942997, 0.994920699, 7442.61063, 1387.24872},
        {TDistributionChoice::Weibull, 0.526611701, 0.16468472, 0.222986093, 3.25130982, 8.56138143, 1.31919866,
         0.743417819, 1.64756538, 43523.4235, 0.501551111},
        {TDistributionChoice::BoxCox, 0.244869651, 0.726716582, 0.700337861, 3.0826003, 11.0549829, 0.92155466,
         0.774051569, 1.06905775, 10112.3034, 670.231195},
    };
    for (const TRow& row : rows) {
        const TExtendedResult r = Capability(x, row.Choice, 1, 12);
        const TDistributionCapability& d = r.Distribution;
        SCOPED_TRACE(d.Selected);
        const TDistributionFit& fit = FitNamed(r, d.Selected.c_str());
        ExpectRelative(fit.A2, row.A2, 1e-7);
        ExpectRelative(fit.P, row.P, 1e-7);
        ExpectRelative(d.P00135, row.Low, 1e-7);
        ExpectRelative(d.P50, row.Mid, 1e-7);
        ExpectRelative(d.P99865, row.High, 1e-7);
        ExpectRelative(d.Pp, row.Pp, 1e-7);
        ExpectRelative(d.PPL, row.PPL, 1e-7);
        ExpectRelative(d.PPU, row.PPU, 1e-7);
        ExpectRelative(d.Ppk, std::min(row.PPL, row.PPU), 1e-7);
        ExpectRelative(d.Ppm.Below, row.Below, 1e-7);
        ExpectRelative(d.Ppm.Above, row.Above, 1e-7);
    }
    const TExtendedResult np = Capability(x, TDistributionChoice::Nonparametric, 1, 12);
    EXPECT_EQ(*np.Distribution.P00135, 1.01);
    ExpectRelative(np.Distribution.P50, 2.9, 1e-12);
    EXPECT_EQ(*np.Distribution.P99865, 7.3);
    ExpectRelative(np.Distribution.Pp, 1.74880763, 1e-8);
    ExpectRelative(np.Distribution.Ppk, 1.00529101, 1e-8);
    EXPECT_EQ(*np.Distribution.Ppm.Total, 0);
    EXPECT_EQ(Capability(x, TDistributionChoice::Best, 1, 12).Distribution.Selected, "lognormal");
}

// N2 (recomputed): Box-Cox with lambda < 0 keeps the LSL the lower limit.
TEST(DistributionGolden, BoxCoxWithNegativeLambda)
{
    const std::vector<double> x{4.188, 4.951, 4.894, 5.046, 6.671, 4.911, 6.155, 4.871,
                                5.375, 4.403, 5.119, 4.991, 5.777, 4.628, 5.115};
    const TExtendedResult r = Capability(x, TDistributionChoice::BoxCox, 3.5, 7);
    const TDistributionFit& fit = FitNamed(r, "boxcox");
    EXPECT_NEAR(Parameter(fit, "lambda"), -2.04019439, 1e-8);
    EXPECT_NEAR(Parameter(fit, "mean"), 0.472053432, 1e-9);
    ExpectRelative(fit.A2, 0.382943164, 1e-7);
    const TDistributionCapability& d = r.Distribution;
    ExpectRelative(d.Pp, 1.15508098, 1e-7);
    ExpectRelative(d.PPL, 1.60055414, 1e-7);
    ExpectRelative(d.PPU, 0.70960783, 1e-7);
    ExpectRelative(d.Ppm.Below, 0.786769016, 1e-6);
    ExpectRelative(d.Ppm.Above, 16634.4334, 1e-7);
    ExpectRelative(d.P00135, 3.89679852, 1e-7);
    ExpectRelative(d.P99865, 8.92838952, 1e-7);
}

// Values <= 0 take no lognormal, Weibull or Box-Cox: null results and a message, the rest stands.
TEST(DistributionGolden, ValuesAtOrBelowZeroGiveAMessageNotAFit)
{
    const std::vector<double> x{-0.5, 1.2, 0.8, 2.1, 1.7, 0.9, 1.4};
    for (auto choice : {TDistributionChoice::Lognormal, TDistributionChoice::Weibull, TDistributionChoice::BoxCox}) {
        const TExtendedResult r = Capability(x, choice, 0, 3);
        SCOPED_TRACE(r.Distribution.Selected);
        EXPECT_FALSE(r.Distribution.Ppk);
        EXPECT_FALSE(r.Distribution.P50);
        EXPECT_FALSE(r.Distribution.Ppm.Total);
        ASSERT_FALSE(r.Messages.empty());
        EXPECT_NE(r.Messages.back().find("小于或等于 0"), std::string::npos);
        EXPECT_TRUE(r.Indices.Ppk);  // the normal analysis is untouched
    }
    EXPECT_EQ(Capability(x, TDistributionChoice::Best, 0, 3).Distribution.Selected, "normal");
}

// Data far from the published cases never fail or hang: every choice on
// values at the ends of double's range, ties, and wide spreads. (Values of
// 1e300 once made the whole analysis fail: their squares overflow.)
TEST(DistributionGolden, ExtremeDataAreAnalysedWithoutFailing)
{
    const std::vector<std::vector<double>> sets{{1e-300, 2e-300, 3e-300, 5e-300},
                                                {1e300, 1e300, 1e300, 1.0000000000000002e300},
                                                {1e-30, 1e30, 1, 2, 3},
                                                {5, 5, 5, 5, 5, 5},
                                                {0.001, 1000, 0.002, 2000, 0.003},
                                                {1, 1, 1, 1, 2},
                                                {-1e300, 1e300, 0, 1}};
    for (const std::vector<double>& x : sets)
        for (auto choice :
             {TDistributionChoice::Normal, TDistributionChoice::BoxCox, TDistributionChoice::Lognormal,
              TDistributionChoice::Weibull, TDistributionChoice::Nonparametric, TDistributionChoice::Best})
            for (auto chart : {TControlChartChoice::XbarR, TControlChartChoice::XbarS}) {
                TExtendedInput in;
                in.Values = x;
                in.SubgroupSize = 2;
                in.LSL = x.front(), in.USL = x.back();
                in.Distribution = choice;
                in.Chart = chart;
                SCOPED_TRACE(x.front());
                for (auto subgroups : {TSubgroupChoice::Size, TSubgroupChoice::Rows}) {
                    in.Subgroups = subgroups;
                    in.RowSizes = {static_cast<int>(x.size()) - 1, 1};
                    const TExtendedResult r = AnalyseExtended(in);
                    for (const std::string& m : r.Messages)
                        EXPECT_EQ(m.find("失败"), std::string::npos) << m;
                }
            }
}
