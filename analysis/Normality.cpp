#include "Normality.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <boost/math/distributions/normal.hpp>

namespace {

const boost::math::normal StandardNormal;

double MeanOf(const std::vector<double>& x)
{
    double sum = 0;
    for (double v : x)
        sum += v;
    return sum / static_cast<double>(x.size());
}

double SquaredDeviations(const std::vector<double>& x, double mean)
{
    double sum = 0;
    for (double v : x)
        sum += (v - mean) * (v - mean);
    return sum;
}

double Polynomial(std::initializer_list<double> coefficients, double x)
{
    double sum = 0, power = 1;
    for (double c : coefficients) {
        sum += c * power;
        power *= x;
    }
    return sum;
}

}  // namespace

double AndersonDarlingNormalP(double adjusted)
{
    const double a = adjusted, a2 = a * a;
    if (a < 0.2)
        return 1 - std::exp(-13.436 + 101.14 * a - 223.73 * a2);
    if (a < 0.34)
        return 1 - std::exp(-8.318 + 42.796 * a - 59.938 * a2);
    if (a < 0.6)
        return std::exp(0.9177 - 4.279 * a - 1.38 * a2);
    if (a < 10)
        return std::exp(1.2937 - 5.709 * a + 0.0186 * a2);
    return 3.7e-24;
}

namespace {

double ShapiroWilkP(double w, size_t count)
{
    const double n = static_cast<double>(count);
    if (count == 3) {
        const double p = 6 / std::numbers::pi * (std::asin(std::sqrt(w)) - std::asin(std::sqrt(0.75)));
        return std::max(p, 0.0);
    }
    double y, mu, s;
    if (count <= 11) {
        const double g = -2.273 + 0.459 * n;
        mu = Polynomial({0.5440, -0.39978, 0.025054, -0.0006714}, n);
        s = std::exp(Polynomial({1.3822, -0.77857, 0.062767, -0.0020322}, n));
        y = -std::log(g - std::log1p(-w));
    } else {
        const double ln = std::log(n);
        mu = Polynomial({-1.5861, -0.31082, -0.083751, 0.0038915}, ln);
        s = std::exp(Polynomial({-0.4803, -0.082676, 0.0030302}, ln));
        y = std::log1p(-w);
    }
    return boost::math::cdf(boost::math::complement(StandardNormal, (y - mu) / s));
}

}  // namespace

std::optional<TTestStatistic> AndersonDarling(std::vector<double> values)
{
    const size_t count = values.size();
    if (count < 3)
        return std::nullopt;
    std::sort(values.begin(), values.end());
    const double mean = MeanOf(values);
    const double s = std::sqrt(SquaredDeviations(values, mean) / static_cast<double>(count - 1));
    if (!(s > 0))
        return std::nullopt;
    double sum = 0;
    for (size_t i = 0; i < count; ++i) {
        const double low = (values[i] - mean) / s;
        const double high = (values[count - 1 - i] - mean) / s;
        // log Phi(low) + log(1 - Phi(high)), both from the tail that keeps them finite.
        const double logBelow = std::log(boost::math::cdf(StandardNormal, low));
        const double logAbove = std::log(boost::math::cdf(boost::math::complement(StandardNormal, high)));
        sum += static_cast<double>(2 * i + 1) * (logBelow + logAbove);
    }
    const double n = static_cast<double>(count);
    const double a2 = -n - sum / n;
    return TTestStatistic{a2, AndersonDarlingNormalP(a2 * (1 + 0.75 / n + 2.25 / (n * n)))};
}

std::optional<TTestStatistic> ShapiroWilk(std::vector<double> values)
{
    const size_t count = values.size();
    if (count < 3 || count > LargestShapiroWilkCount)
        return std::nullopt;
    std::sort(values.begin(), values.end());
    const double mean = MeanOf(values);
    const double ss = SquaredDeviations(values, mean);
    if (!(ss > 0))
        return std::nullopt;

    const double n = static_cast<double>(count);
    std::vector<double> a(count);
    if (count == 3) {
        a = {-std::sqrt(0.5), 0, std::sqrt(0.5)};
    } else {
        std::vector<double> m(count);
        double sumM2 = 0;
        for (size_t i = 0; i < count; ++i) {
            m[i] = boost::math::quantile(StandardNormal, (static_cast<double>(i + 1) - 0.375) / (n + 0.25));
            sumM2 += m[i] * m[i];
        }
        const double u = 1 / std::sqrt(n), root = std::sqrt(sumM2);
        const size_t last = count - 1;
        const double aLast = m[last] / root + Polynomial({0, 0.221157, -0.147981, -2.071190, 4.434685, -2.706056}, u);
        double eps;
        size_t corrected;
        double aBeforeLast = 0;
        if (count > 5) {
            aBeforeLast = m[last - 1] / root + Polynomial({0, 0.042981, -0.293762, -1.752461, 5.682633, -3.582633}, u);
            eps = (sumM2 - 2 * m[last] * m[last] - 2 * m[last - 1] * m[last - 1]) /
                  (1 - 2 * aLast * aLast - 2 * aBeforeLast * aBeforeLast);
            corrected = 2;
        } else {
            eps = (sumM2 - 2 * m[last] * m[last]) / (1 - 2 * aLast * aLast);
            corrected = 1;
        }
        for (size_t i = 0; i < count; ++i)
            a[i] = m[i] / std::sqrt(eps);
        a[last] = aLast;
        a[0] = -aLast;
        if (corrected == 2) {
            a[last - 1] = aBeforeLast;
            a[1] = -aBeforeLast;
        }
    }
    double dot = 0;
    for (size_t i = 0; i < count; ++i)
        dot += a[i] * values[i];
    const double w = std::min(dot * dot / ss, 1.0);
    return TTestStatistic{w, ShapiroWilkP(w, count)};
}

std::vector<TProbabilityPoint> NormalProbabilityPoints(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const double n = static_cast<double>(values.size());
    std::vector<TProbabilityPoint> points;
    points.reserve(values.size());
    for (size_t i = 0; i < values.size(); ++i)
        points.push_back(
            {values[i], boost::math::quantile(StandardNormal, (static_cast<double>(i + 1) - 0.375) / (n + 0.25))});
    return points;
}
