#pragma once
// Two-sided confidence intervals of capability indices at `confidence`
// (0.95 for 95 %), nu the degrees of freedom of the sigma used.
#include "ExtendedResult.h"

// Cp, Pp: value * sqrt(chi2(q, nu) / nu) for q = alpha/2 and 1 - alpha/2.
TIntervalEstimate ChiSquareInterval(double value, double nu, double confidence);
// Cpk, Ppk, CPL, CPU (Bissell): value -/+ z sqrt(1/(9N) + value^2/(2 nu)).
TIntervalEstimate BissellInterval(double value, double count, double nu, double confidence);
// Cpm (Boyles): nu = N (1 + a^2)^2 / (1 + 2 a^2), a = (mean - target) / s.
double BoylesDof(double count, double mean, double target, double s);
