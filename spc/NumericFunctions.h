#pragma once
// Numeric functions shared by the computation stages. Arguments and results
// keep their stored widths; intermediate results are Extended. Arrays are
// never empty.
#include <cstdint>
#include <span>

#include "Extended.h"

int32_t MaxOfIntegers(std::span<const int32_t> values);
float MaxOfDoubles(std::span<const double> values);
float MinOfDoubles(std::span<const double> values);
float MaxOfSingles(std::span<const float> values);

// round(1 + 3.322 * log10(n)), halves to even.
int32_t SturgesClassCount(int32_t n);

// Sample standard deviation with divisor n - 1. Exactly 0 for equal elements;
// one element raises EInvalidOp (0/0).
Extended SampleStdDev(std::span<const double> values);

// Normal density at x.
float NormalDensity(float x, float mean, float sigma);
// Normal distribution function at x (Abramowitz and Stegun 26.2.17). The first
// rounds the upper tail to Single, the second rounds 1 - tail.
float NormalCdfHorner(float x, float mean, float sigma);
float NormalCdfPowers(float x, float mean, float sigma);
