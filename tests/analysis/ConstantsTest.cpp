// Exact control-chart constants against the closed forms (d2(2) = 2/sqrt(pi),
// d2(3) = 3/sqrt(pi), d2(4), d2(5), d3(2)) and against values computed from
// c4(n) = sqrt(2/(n-1)) Gamma(n/2) / Gamma((n-1)/2) and the range distribution's
// integrals by two independent implementations (Python with SciPy, R's ptukey).
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "ControlConstants.h"

TEST(ControlConstants, ClosedFormsToTenDigits)
{
    const double pi = std::numbers::pi;
    EXPECT_NEAR(ExactD2(2), 2 / std::sqrt(pi), 1e-10);
    EXPECT_NEAR(ExactD2(3), 3 / std::sqrt(pi), 1e-10);
    EXPECT_NEAR(ExactD2(4), 12 * std::atan(std::sqrt(2.0)) / std::pow(pi, 1.5), 1e-10);
    EXPECT_NEAR(ExactD2(5), 30 * std::atan(std::sqrt(2.0)) / std::pow(pi, 1.5) - 5 / std::sqrt(pi), 1e-10);
    EXPECT_NEAR(ExactD3(2), std::sqrt(2 - 4 / pi), 1e-10);
    EXPECT_NEAR(ExactC4(2), std::sqrt(2 / pi), 1e-15);
}

TEST(ControlConstants, TableOfRecomputedValues)
{
    struct TRow {
        int N;
        double C4, D2, D3;
    };
    const TRow rows[] = {{2, 0.797884561, 1.12837917, 0.852502466},  {3, 0.886226926, 1.69256875, 0.888368004},
                         {4, 0.921317732, 2.05875075, 0.879808203},  {5, 0.939985603, 2.32592895, 0.864081941},
                         {6, 0.951532862, 2.53441272, 0.848039686},  {8, 0.965030456, 2.84720061, 0.81983149},
                         {10, 0.972659274, 3.07750546, 0.797050674}, {15, 0.982316177, 3.47182689, 0.75621143},
                         {20, 0.986934268, 3.73495012, 0.728686346}, {25, 0.989640376, 3.93062922, 0.708440766}};
    for (const TRow& r : rows) {
        SCOPED_TRACE(r.N);
        EXPECT_NEAR(ExactC4(r.N), r.C4, 6e-10);
        EXPECT_NEAR(ExactD2(r.N), r.D2, 6e-9);
        EXPECT_NEAR(ExactD3(r.N), r.D3, 6e-9);
    }
}

TEST(ControlConstants, EverySizeToTwentyFiveIsOrdered)
{
    // c4 rises towards 1, d2 rises, d3 falls from n = 3 on.
    for (int n = 3; n <= 25; ++n) {
        SCOPED_TRACE(n);
        EXPECT_GT(ExactC4(n), ExactC4(n - 1));
        EXPECT_LT(ExactC4(n), 1.0);
        EXPECT_GT(ExactD2(n), ExactD2(n - 1));
        if (n > 3) {
            EXPECT_LT(ExactD3(n), ExactD3(n - 1));
        }
    }
    EXPECT_THROW(ExactD2(1), std::domain_error);
}
