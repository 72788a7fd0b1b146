#pragma once
// The whole extended analysis in double precision. Never throws for bad data:
// what cannot be computed stays empty and a message says why.
#include "ExtendedResult.h"

TExtendedResult AnalyseExtended(const TExtendedInput& input);

// Degrees of freedom factor of Sbar/c4 for subgroup size n.
double SBarDofFactor(int n);
