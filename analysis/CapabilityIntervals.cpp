#include "CapabilityIntervals.h"

#include <cmath>

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/normal.hpp>

TIntervalEstimate ChiSquareInterval(double value, double nu, double confidence)
{
    const double alpha = 1 - confidence;
    const boost::math::chi_squared chi2(nu);
    return {value, value * std::sqrt(boost::math::quantile(chi2, alpha / 2) / nu),
            value * std::sqrt(boost::math::quantile(chi2, 1 - alpha / 2) / nu)};
}

TIntervalEstimate BissellInterval(double value, double count, double nu, double confidence)
{
    const double z = boost::math::quantile(boost::math::normal(), 1 - (1 - confidence) / 2);
    const double half = z * std::sqrt(1 / (9 * count) + value * value / (2 * nu));
    return {value, value - half, value + half};
}

double BoylesDof(double count, double mean, double target, double s)
{
    const double a = (mean - target) / s;
    return count * std::pow(1 + a * a, 2) / (1 + 2 * a * a);
}
