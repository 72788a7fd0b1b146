#pragma once
// Capability of the chosen distribution, after the normal analysis has filled
// its part of the record:
//   normal         the normal analysis's Pp, PPL, PPU, Ppk and expected PPM;
//   lognormal, Weibull, nonparametric
//                  the percentile method (ISO 22514-2, Clements 1989) at the
//                  0.135 %, 50 % and 99.865 % points; nonparametric from the
//                  Hyndman-Fan type 6 percentiles with the observed PPM;
//   boxcox         the normal formulas on y and the transformed limits;
//   best           the fit with the largest Anderson-Darling p.
#include <vector>

#include "ExtendedResult.h"

void AddDistributionCapability(TExtendedResult& result, const TExtendedInput& input);

// Hyndman and Fan (1996) type 6 percentile of sorted values.
double EmpiricalPercentile(const std::vector<double>& sorted, double p);
