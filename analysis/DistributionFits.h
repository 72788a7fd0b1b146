#pragma once
// The four distributions a non-normal capability can follow, fitted to the
// values, each with its Anderson-Darling A^2 against exactly the parameters
// it reports:
//   normal     mean and s (N - 1), the values the normal analysis uses;
//   lognormal  meanlog and sdlog (N - 1) of ln x;
//   Weibull    shape and scale by maximum likelihood;
//   Box-Cox    lambda maximising the profile likelihood over [-5, 5], then
//              mean and s (N - 1) of y = (x^lambda - 1) / lambda.
// Values <= 0 leave lognormal, Weibull and Box-Cox unfitted (Fitted false).
#include <vector>

#include "ExtendedResult.h"

// All four, in the order normal, boxcox, lognormal, weibull, sorting the values
// once. The normal fit takes the normality test's A^2 and p when given: they
// are the same statistic, and the window shows them alike.
std::vector<TDistributionFit> FitDistributions(const std::vector<double>& values, const TNormality& normality = {});
TDistributionFit FitNormal(const std::vector<double>& values);
TDistributionFit FitLognormal(const std::vector<double>& values);
TDistributionFit FitWeibull(const std::vector<double>& values);
TDistributionFit FitBoxCox(const std::vector<double>& values);

// L(lambda) = -N/2 ln var_N(y) + (lambda - 1) sum ln x, from the logarithms of the values.
double BoxCoxLogLikelihood(const std::vector<double>& logs, double lambda);
// y = (x^lambda - 1) / lambda, ln x at lambda 0; NaN for x <= 0.
double BoxCoxTransform(double x, double lambda);

// The fitted distribution on the data's scale. Quantile is NaN where it does
// not exist (a Box-Cox quantile beyond the transform's range).
double FitQuantile(const TDistributionFit& fit, double p);
double FitLowerTail(const TDistributionFit& fit, double x);  // F(x)
double FitUpperTail(const TDistributionFit& fit, double x);  // 1 - F(x), computed as such
double FitDensity(const TDistributionFit& fit, double x);

// The fit's straightening scale for a probability plot: the value's position
// on the horizontal axis and the plotting position's on the vertical.
double ProbabilityPlotX(const TDistributionFit& fit, double x);
double ProbabilityPlotScore(const TDistributionFit& fit, double p);
// The fitted distribution's straight line on that plot: the score at a horizontal position.
double ProbabilityPlotLine(const TDistributionFit& fit, double plotX);

// p of the Weibull A^2 from A*^2 = A^2 (1 + 0.2/sqrt N) by the observed
// significance level of CMH-17-1G.
double AndersonDarlingWeibullP(double a2, double count);
