#include "DistributionFits.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include <boost/math/distributions/lognormal.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/weibull.hpp>
#include <boost/math/tools/roots.hpp>

#include "Normality.h"

namespace {

// Double throughout: the default policy computes in long double, several
// times slower on the fits' millions of tail probabilities.
using TDoublePolicy = boost::math::policies::policy<boost::math::policies::promote_double<false>>;
using TNormal = boost::math::normal_distribution<double, TDoublePolicy>;
using TLognormal = boost::math::lognormal_distribution<double, TDoublePolicy>;
using TWeibull = boost::math::weibull_distribution<double, TDoublePolicy>;
const TNormal StandardNormal;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double LargestLambda = 5;

struct TMeanAndSd {
    double Mean = 0, Sd = 0;
};

// In the order given, so that the normal fit repeats the normal analysis to the last bit.
TMeanAndSd MeanAndSd(const std::vector<double>& x)
{
    const double count = static_cast<double>(x.size());
    double sum = 0;
    for (double v : x)
        sum += v;
    const double mean = sum / count;
    double squares = 0;
    for (double v : x)
        squares += (v - mean) * (v - mean);
    return {mean, std::sqrt(squares / (count - 1))};
}

bool AllPositive(const std::vector<double>& x)
{
    return std::all_of(x.begin(), x.end(), [](double v) { return v > 0; });
}

std::vector<double> Logarithms(const std::vector<double>& x)
{
    std::vector<double> logs(x.size());
    std::transform(x.begin(), x.end(), logs.begin(), [](double v) { return std::log(v); });
    return logs;
}

// A^2 = -N - (1/N) sum (2i - 1) [ln F(x_(i)) + ln(1 - F(x_(N+1-i)))] on sorted
// values; logTails gives both logarithms of one value, the upper one from the upper tail.
template <class TLogTails>
double AndersonDarlingA2(const std::vector<double>& sorted, TLogTails logTails)
{
    const size_t count = sorted.size();
    std::vector<double> below(count), above(count);
    for (size_t i = 0; i < count; ++i) {
        const auto [lower, upper] = logTails(sorted[i]);
        below[i] = lower, above[i] = upper;
    }
    double sum = 0;
    for (size_t i = 0; i < count; ++i)
        sum += static_cast<double>(2 * i + 1) * (below[i] + above[count - 1 - i]);
    const double n = static_cast<double>(count);
    return -n - sum / n;
}

// A^2 of a normal with the given mean and sd on sorted values; p from A*^2 = A^2 (1 + 0.75/N + 2.25/N^2).
void NormalAndersonDarling(TDistributionFit& fit, const std::vector<double>& values)
{
    if (values.size() < 3 || !(fit.Spread > 0))
        return;
    const double mean = fit.Location, sd = fit.Spread;
    const double a2 = AndersonDarlingA2(values, [&](double v) {
        const double z = (v - mean) / sd;
        return std::pair{std::log(boost::math::cdf(StandardNormal, z)),
                         std::log(boost::math::cdf(boost::math::complement(StandardNormal, z)))};
    });
    const double n = static_cast<double>(values.size());
    fit.A2 = a2;
    fit.P = AndersonDarlingNormalP(a2 * (1 + 0.75 / n + 2.25 / (n * n)));
}

// The Weibull shape k solves sum x^k ln x / sum x^k - 1/k - mean(ln x) = 0,
// increasing in k. With l = ln(x / max x) every x^k lies in (0, 1].
double WeibullShapeEquation(const std::vector<double>& scaledLogs, double meanScaledLog, double k)
{
    double weighted = 0, total = 0;
    for (double l : scaledLogs) {
        const double w = std::exp(k * l);
        weighted += w * l;
        total += w;
    }
    return weighted / total - 1 / k - meanScaledLog;
}

// g(k) and g'(k) = var_w(l) + 1/k^2, w = x^k / sum x^k, for Newton's method.
std::pair<double, double> WeibullShapeTerms(const std::vector<double>& scaledLogs, double meanScaledLog, double k)
{
    double total = 0, first = 0, second = 0;
    for (double l : scaledLogs) {
        const double w = std::exp(k * l);
        total += w, first += w * l, second += w * l * l;
    }
    const double mean = first / total;
    return {mean - 1 / k - meanScaledLog, second / total - mean * mean + 1 / (k * k)};
}

struct TBoxCoxTerms {
    double Shift = 0;     // c = max lambda ln x
    double Squares = 0;   // sum (z - mean z)^2, z = expm1(lambda ln x - c) / lambda
    double Weighted = 0;  // sum (z - mean z) exp(lambda ln x - c) ln x
};

// var_N(y) = exp(2c) Squares / N without cancellation: z is y shifted and
// scaled by exp(-c), exact for small lambda through expm1. The logarithms are
// sorted, so c is at one end.
TBoxCoxTerms BoxCoxTermsAt(const std::vector<double>& logs, double lambda)
{
    TBoxCoxTerms t;
    const size_t count = logs.size();
    std::vector<double> shifted(count);  // expm1(lambda ln x - c) = lambda z
    if (lambda != 0) {
        const auto [least, largest] = std::minmax_element(logs.begin(), logs.end());
        t.Shift = lambda * (lambda > 0 ? *largest : *least);
        for (size_t i = 0; i < count; ++i)
            shifted[i] = std::expm1(lambda * logs[i] - t.Shift);
    }
    const auto z = [&](size_t i) { return lambda == 0 ? logs[i] : shifted[i] / lambda; };
    double sum = 0;
    for (size_t i = 0; i < count; ++i)
        sum += z(i);
    const double mean = sum / static_cast<double>(count);
    for (size_t i = 0; i < count; ++i) {
        const double d = z(i) - mean;
        t.Squares += d * d;
        t.Weighted += d * (1 + shifted[i]) * logs[i];
    }
    return t;
}

// dL/dlambda = sum ln x - N (Weighted / Squares - 1) / lambda.
double BoxCoxSlope(const std::vector<double>& logs, double sumLogs, double lambda)
{
    if (lambda == 0)
        lambda = 1e-9;  // the slope is continuous through 0
    const TBoxCoxTerms t = BoxCoxTermsAt(logs, lambda);
    return sumLogs - static_cast<double>(logs.size()) * (t.Weighted / t.Squares - 1) / lambda;
}

// The root of dL/dlambda in [-5, 5] to full precision; without a change of
// sign the larger end.
double FindBoxCoxLambda(const std::vector<double>& logs)
{
    double sumLogs = 0;
    for (double l : logs)
        sumLogs += l;
    const auto slope = [&](double lambda) { return BoxCoxSlope(logs, sumLogs, lambda); };
    const double atLow = slope(-LargestLambda), atHigh = slope(LargestLambda);
    if (atLow > 0 && atHigh < 0) {
        std::uintmax_t iterations = 100;
        const auto [a, b] = boost::math::tools::toms748_solve(slope, -LargestLambda, LargestLambda, atLow, atHigh,
                                                              boost::math::tools::eps_tolerance<double>(), iterations);
        return (a + b) / 2;
    }
    if (atLow <= 0 && atHigh < 0)
        return -LargestLambda;
    if (atLow > 0 && atHigh >= 0)
        return LargestLambda;
    return BoxCoxLogLikelihood(logs, -LargestLambda) >= BoxCoxLogLikelihood(logs, LargestLambda) ? -LargestLambda
                                                                                                 : LargestLambda;
}

bool IsLogNormalScale(const TDistributionFit& fit) { return fit.Name == "lognormal"; }

}  // namespace

double AndersonDarlingWeibullP(double a2, double count)
{
    const double adjusted = a2 * (1 + 0.2 / std::sqrt(count));
    return 1 / (1 + std::exp(-0.10 + 1.24 * std::log(adjusted) + 4.48 * adjusted));
}

namespace {

std::vector<double> Sorted(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values;
}

// Every fit takes the values sorted: ln x and the Box-Cox y keep their order.
TDistributionFit FitNormalSorted(const std::vector<double>& values, bool withAndersonDarling)
{
    TDistributionFit fit;
    fit.Name = "normal";
    if (values.size() < 2)
        return fit;
    const TMeanAndSd m = MeanAndSd(values);
    fit.Fitted = true;
    fit.Location = m.Mean, fit.Spread = m.Sd;
    fit.Parameters = {{"mean", m.Mean}, {"sd", m.Sd}};
    if (withAndersonDarling)
        NormalAndersonDarling(fit, values);
    return fit;
}

TDistributionFit FitLognormalSorted(const std::vector<double>& values)
{
    TDistributionFit fit;
    fit.Name = "lognormal";
    if (values.size() < 2 || !AllPositive(values))
        return fit;
    const std::vector<double> logs = Logarithms(values);
    const TMeanAndSd m = MeanAndSd(logs);
    if (!(m.Sd > 0))
        return fit;
    fit.Fitted = true;
    fit.Location = m.Mean, fit.Spread = m.Sd;
    fit.Parameters = {{"meanlog", m.Mean}, {"sdlog", m.Sd}};
    NormalAndersonDarling(fit, logs);
    return fit;
}

TDistributionFit FitWeibullSorted(const std::vector<double>& values)
{
    TDistributionFit fit;
    fit.Name = "weibull";
    if (values.size() < 2 || !AllPositive(values))
        return fit;
    const double largest = *std::max_element(values.begin(), values.end());
    std::vector<double> scaledLogs(values.size());
    double meanScaledLog = 0;
    for (size_t i = 0; i < values.size(); ++i) {
        scaledLogs[i] = std::log(values[i] / largest);
        meanScaledLog += scaledLogs[i];
    }
    meanScaledLog /= static_cast<double>(values.size());
    if (!(meanScaledLog < 0))
        return fit;  // every value equal: no finite shape
    // Newton's method from Menon's estimate pi / (sqrt 6 sd(ln x)); g is increasing and concave
    // enough that it converges in a few passes, each one exp per value.
    const auto equation = [&](double k) { return WeibullShapeEquation(scaledLogs, meanScaledLog, k); };
    double squares = 0;
    for (double l : scaledLogs)
        squares += (l - meanScaledLog) * (l - meanScaledLog);
    const double start = std::numbers::pi / std::sqrt(6 * squares / static_cast<double>(values.size() - 1));
    std::uintmax_t iterations = 100;
    const double shape = boost::math::tools::newton_raphson_iterate(
        [&](double k) { return WeibullShapeTerms(scaledLogs, meanScaledLog, k); }, start, start / 1e3, start * 1e3,
        std::numeric_limits<double>::digits - 2, iterations);
    if (!std::isfinite(shape) || !(shape > 0) || std::fabs(equation(shape)) > 1e-8 * (1 + 1 / shape))
        return fit;
    double total = 0;
    for (double l : scaledLogs)
        total += std::exp(shape * l);
    const double scale = largest * std::pow(total / static_cast<double>(values.size()), 1 / shape);
    if (!(scale > 0) || !std::isfinite(scale))
        return fit;
    fit.Fitted = true;
    fit.Shape = shape, fit.Scale = scale;
    fit.Parameters = {{"shape", shape}, {"scale", scale}};
    if (values.size() >= 3) {
        const double a2 = AndersonDarlingA2(values, [&](double v) {
            // t = (x / scale)^k; ln F = ln(1 - exp(-t)), ln(1 - F) = -t.
            const double t = std::exp(shape * std::log(v / scale));
            return std::pair{std::log(-std::expm1(-t)), -t};
        });
        fit.A2 = a2;
        fit.P = AndersonDarlingWeibullP(a2, static_cast<double>(values.size()));
    }
    return fit;
}

TDistributionFit FitBoxCoxSorted(const std::vector<double>& values)
{
    TDistributionFit fit;
    fit.Name = "boxcox";
    if (values.size() < 2 || !AllPositive(values))
        return fit;
    const std::vector<double> logs = Logarithms(values);
    if (!(MeanAndSd(logs).Sd > 0))
        return fit;
    const double lambda = FindBoxCoxLambda(logs);
    std::vector<double> y(values.size());
    for (size_t i = 0; i < values.size(); ++i)
        y[i] = BoxCoxTransform(values[i], lambda);
    const TMeanAndSd m = MeanAndSd(y);
    if (!std::isfinite(m.Mean) || !(m.Sd > 0) || !std::isfinite(m.Sd))
        return fit;
    fit.Fitted = true;
    fit.Lambda = lambda;
    fit.Location = m.Mean, fit.Spread = m.Sd;
    fit.Parameters = {{"lambda", lambda}, {"mean", m.Mean}, {"sd", m.Sd}};
    NormalAndersonDarling(fit, y);
    return fit;
}

}  // namespace

std::vector<TDistributionFit> FitDistributions(const std::vector<double>& values, const TNormality& normality)
{
    const std::vector<double> sorted = Sorted(values);
    TDistributionFit normal;
    if (normality.A2 && normality.A2P) {
        normal = FitNormalSorted(sorted, false);
        normal.A2 = normality.A2, normal.P = normality.A2P;
    } else {
        normal = FitNormalSorted(sorted, true);
    }
    return {normal, FitBoxCoxSorted(sorted), FitLognormalSorted(sorted), FitWeibullSorted(sorted)};
}

TDistributionFit FitNormal(const std::vector<double>& values) { return FitNormalSorted(Sorted(values), true); }
TDistributionFit FitLognormal(const std::vector<double>& values) { return FitLognormalSorted(Sorted(values)); }
TDistributionFit FitWeibull(const std::vector<double>& values) { return FitWeibullSorted(Sorted(values)); }
TDistributionFit FitBoxCox(const std::vector<double>& values) { return FitBoxCoxSorted(Sorted(values)); }

double BoxCoxLogLikelihood(const std::vector<double>& logs, double lambda)
{
    const TBoxCoxTerms t = BoxCoxTermsAt(logs, lambda);
    const double count = static_cast<double>(logs.size());
    double sumLogs = 0;
    for (double l : logs)
        sumLogs += l;
    return -count / 2 * (2 * t.Shift + std::log(t.Squares / count)) + (lambda - 1) * sumLogs;
}

double BoxCoxTransform(double x, double lambda)
{
    if (!(x > 0))
        return NaN;
    const double l = std::log(x);
    return lambda == 0 ? l : std::expm1(lambda * l) / lambda;
}

double FitQuantile(const TDistributionFit& fit, double p)
{
    if (!fit.Fitted)
        return NaN;
    if (fit.Name == "weibull")
        return boost::math::quantile(TWeibull(fit.Shape, fit.Scale), p);
    const double y = fit.Location + boost::math::quantile(StandardNormal, p) * fit.Spread;
    if (IsLogNormalScale(fit))
        return std::exp(y);
    if (fit.Name == "boxcox") {
        if (fit.Lambda == 0)
            return std::exp(y);
        const double base = 1 + fit.Lambda * y;
        return base > 0 ? std::pow(base, 1 / fit.Lambda) : NaN;
    }
    return y;
}

namespace {

// The standardized normal score of x on the fit's normal scale.
double NormalScore(const TDistributionFit& fit, double x)
{
    if (IsLogNormalScale(fit))
        return (std::log(x) - fit.Location) / fit.Spread;
    if (fit.Name == "boxcox")
        return (BoxCoxTransform(x, fit.Lambda) - fit.Location) / fit.Spread;
    return (x - fit.Location) / fit.Spread;
}

bool IsPositiveOnly(const TDistributionFit& fit) { return fit.Name != "normal"; }

}  // namespace

double FitLowerTail(const TDistributionFit& fit, double x)
{
    if (!fit.Fitted)
        return NaN;
    if (IsPositiveOnly(fit) && !(x > 0))
        return 0;
    if (fit.Name == "weibull")
        return boost::math::cdf(TWeibull(fit.Shape, fit.Scale), x);
    return boost::math::cdf(StandardNormal, NormalScore(fit, x));
}

double FitUpperTail(const TDistributionFit& fit, double x)
{
    if (!fit.Fitted)
        return NaN;
    if (IsPositiveOnly(fit) && !(x > 0))
        return 1;
    if (fit.Name == "weibull")
        return boost::math::cdf(boost::math::complement(TWeibull(fit.Shape, fit.Scale), x));
    return boost::math::cdf(boost::math::complement(StandardNormal, NormalScore(fit, x)));
}

double FitDensity(const TDistributionFit& fit, double x)
{
    if (!fit.Fitted)
        return NaN;
    if (IsPositiveOnly(fit) && !(x > 0))
        return 0;
    if (fit.Name == "weibull")
        return boost::math::pdf(TWeibull(fit.Shape, fit.Scale), x);
    if (IsLogNormalScale(fit))
        return boost::math::pdf(TLognormal(fit.Location, fit.Spread), x);
    const double density = boost::math::pdf(StandardNormal, NormalScore(fit, x)) / fit.Spread;
    // dy/dx = x^(lambda - 1) on the Box-Cox scale.
    return fit.Name == "boxcox" ? density * std::pow(x, fit.Lambda - 1) : density;
}

double ProbabilityPlotX(const TDistributionFit& fit, double x)
{
    if (fit.Name == "weibull" || IsLogNormalScale(fit))
        return std::log(x);
    if (fit.Name == "boxcox")
        return BoxCoxTransform(x, fit.Lambda);
    return x;
}

double ProbabilityPlotScore(const TDistributionFit& fit, double p)
{
    if (fit.Name == "weibull")
        return std::log(-std::log1p(-p));
    return boost::math::quantile(StandardNormal, p);
}

double ProbabilityPlotLine(const TDistributionFit& fit, double plotX)
{
    if (fit.Name == "weibull")
        return fit.Shape * (plotX - std::log(fit.Scale));
    return (plotX - fit.Location) / fit.Spread;
}
