// c4(n) = sqrt(2/(n-1)) Gamma(n/2) / Gamma((n-1)/2).
// The range W of n standard normal values has
//   P(W <= w) = n * integral phi(x) (Phi(x + w) - Phi(x))^(n-1) dx,
//   d2 = E W = integral over w > 0 of P(W > w),
//   E W^2 = integral over w > 0 of 2 w P(W > w),  d3 = sqrt(E W^2 - d2^2).
// Both integrals by Simpson's rule on one grid, so Phi(x + w) is a table lookup.
#include "ControlConstants.h"

#include <cmath>
#include <map>
#include <mutex>
#include <stdexcept>
#include <vector>

#include <boost/math/distributions/normal.hpp>

namespace {

struct TRangeMoments {
    double D2 = 0, D3 = 0;
};

constexpr double GridStep = 0.01;
constexpr double GridHalfWidth = 9.0;  // phi(9) ~ 1e-18
constexpr double LargestRange = 16.0;  // P(W > 16) is below double resolution for any n used

double SimpsonWeight(size_t i, size_t last)
{
    if (i == 0 || i == last)
        return 1.0;
    return i % 2 ? 4.0 : 2.0;
}

TRangeMoments ComputeRangeMoments(int n)
{
    const boost::math::normal standard;
    const size_t xSteps = static_cast<size_t>(2 * GridHalfWidth / GridStep + 0.5);
    const size_t wSteps = static_cast<size_t>(LargestRange / GridStep + 0.5);
    // Phi and phi on x = -9 .. 9 + 16 so that x + w stays on the grid.
    const size_t points = xSteps + wSteps + 1;
    std::vector<double> cdf(points), pdf(points);
    for (size_t i = 0; i < points; ++i) {
        const double x = -GridHalfWidth + static_cast<double>(i) * GridStep;
        cdf[i] = boost::math::cdf(standard, x);
        pdf[i] = boost::math::pdf(standard, x);
    }
    double d2 = 0, secondMoment = 0;
    for (size_t j = 0; j <= wSteps; ++j) {
        double inner = 0;
        for (size_t i = 0; i <= xSteps; ++i) {
            const double spread = cdf[i + j] - cdf[i];
            inner += SimpsonWeight(i, xSteps) * pdf[i] * std::pow(spread, n - 1);
        }
        const double below = n * inner * GridStep / 3;
        const double above = 1.0 - below;
        const double w = static_cast<double>(j) * GridStep;
        d2 += SimpsonWeight(j, wSteps) * above;
        secondMoment += SimpsonWeight(j, wSteps) * 2 * w * above;
    }
    d2 *= GridStep / 3;
    secondMoment *= GridStep / 3;
    return {d2, std::sqrt(secondMoment - d2 * d2)};
}

const TRangeMoments& RangeMoments(int n)
{
    if (n < 2)
        throw std::domain_error("range constants need a subgroup of at least 2");
    static std::mutex guard;
    static std::map<int, TRangeMoments> known;
    std::lock_guard lock(guard);
    auto found = known.find(n);
    if (found == known.end())
        found = known.emplace(n, ComputeRangeMoments(n)).first;
    return found->second;
}

}  // namespace

double ExactC4(int n)
{
    if (n < 2)
        throw std::domain_error("c4 needs a subgroup of at least 2");
    const double m = n;
    return std::sqrt(2.0 / (m - 1)) * std::exp(std::lgamma(m / 2) - std::lgamma((m - 1) / 2));
}

double ExactD2(int n) { return RangeMoments(n).D2; }
double ExactD3(int n) { return RangeMoments(n).D3; }
