// Shapiro-Wilk and Anderson-Darling against SciPy's test_morestats.py (W is
// single precision there) and R's nortest value quoted in it; A^2 and W of the
// qcc and SAS tire data and the p-values beside SciPy's recomputed from
// Royston (1995, AS R94) and D'Agostino and Stephens (1986, Table 4.9) by two
// independent implementations (Python with SciPy, R 4.2.2).
#include <gtest/gtest.h>

#include <cmath>

#include "GoldenData.h"
#include "Normality.h"

namespace {

const std::vector<double> X1{0.11, 7.87, 4.61, 10.14, 7.95, 3.14, 0.46, 4.43, 0.21, 4.75,
                             0.71, 1.52, 3.24, 0.93,  0.42, 4.97, 9.53, 4.55, 0.47, 6.66};
const std::vector<double> X2{1.36, 1.14,  2.92, 2.55, 1.46, 1.06, 5.27, -1.11, 3.48, 1.10,
                             0.88, -0.51, 1.46, 0.52, 6.20, 1.69, 0.08, 3.67,  2.81, 3.49};
const std::vector<double> X4{0.139, 0.157, 0.175, 0.256, 0.344, 0.413, 0.503, 0.577, 0.614, 0.655, 0.954, 1.392, 1.557,
                             1.648, 1.690, 1.994, 2.174, 2.206, 3.245, 3.510, 3.571, 4.354, 4.980, 6.084, 8.351};
const std::vector<double> V{0, 1, 1, 1, 1, 1, 1, 1, 1, 1};

void ExpectRelative(double got, double expected, double relative)
{
    EXPECT_NEAR(got, expected, relative * std::fabs(expected));
}

}  // namespace

TEST(NormalityGolden, ShapiroWilkSciPy)
{
    struct TCase {
        const std::vector<double>* X;
        double W, P, PRelative;
    };
    // x4's published p has three digits only.
    const TCase cases[] = {{&X1, 0.90047299861907959, 0.042089745402336121, 1e-5},
                           {&X2, 0.9590270, 0.52460, 1e-4},
                           {&X4, 0.83467, 0.000914, 1e-3}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.W);
        const auto sw = ShapiroWilk(*c.X);
        ASSERT_TRUE(sw);
        EXPECT_NEAR(sw->Statistic, c.W, 1e-5);
        ExpectRelative(sw->P, c.P, c.PRelative);
    }
}

TEST(NormalityGolden, AndersonDarlingNortestAndRecomputed)
{
    const auto v = AndersonDarling(V);
    ASSERT_TRUE(v);
    EXPECT_NEAR(v->Statistic, 3.208057, 1e-6);  // R nortest ad.test, quoted by SciPy
    ExpectRelative(v->P, 8.559558e-09, 1e-6);
    struct TCase {
        const std::vector<double>* X;
        double A2, P;
    };
    const TCase cases[] = {
        {&X1, 0.679329527, 0.06440889}, {&X2, 0.377775331, 0.3742577}, {&X4, 1.3384501, 0.001403679}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.A2);
        const auto ad = AndersonDarling(*c.X);
        ASSERT_TRUE(ad);
        ExpectRelative(ad->Statistic, c.A2, 1e-8);
        ExpectRelative(ad->P, c.P, 1e-6);
    }
}

TEST(NormalityGolden, RecomputedForQccAndTireData)
{
    const auto qccW = ShapiroWilk(QccCapability), qccA = AndersonDarling(QccCapability);
    ASSERT_TRUE(qccW && qccA);
    ExpectRelative(qccW->Statistic, 0.983223224, 1e-8);
    ExpectRelative(qccW->P, 0.993397, 1e-6);
    ExpectRelative(qccA->Statistic, 0.14348593, 1e-7);
    ExpectRelative(qccA->P, 0.9568945, 1e-6);
    const auto tireW = ShapiroWilk(SasTires), tireA = AndersonDarling(SasTires);
    ASSERT_TRUE(tireW && tireA);
    ExpectRelative(tireW->Statistic, 0.957539278, 1e-8);
    ExpectRelative(tireW->P, 0.2676515, 1e-6);
    ExpectRelative(tireA->Statistic, 0.490584516, 1e-8);
    ExpectRelative(tireA->P, 0.2039487, 1e-6);
}

TEST(NormalityGolden, SamplesTheTestsCannotTake)
{
    EXPECT_FALSE(ShapiroWilk({1, 2}));
    EXPECT_FALSE(ShapiroWilk({3, 3, 3, 3}));
    EXPECT_FALSE(AndersonDarling({3, 3, 3, 3}));
    EXPECT_FALSE(ShapiroWilk(std::vector<double>(LargestShapiroWilkCount + 1, 1.0)));
    // N = 3 has its own exact p.
    const auto three = ShapiroWilk({1, 2, 4});
    ASSERT_TRUE(three);
    EXPECT_GE(three->P, 0);
    EXPECT_LE(three->P, 1);
}
