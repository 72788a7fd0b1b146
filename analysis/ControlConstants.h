#pragma once
// Exact control-chart constants for a subgroup of n normal values, n >= 2:
// c4 from the gamma function, d2 and d3 from the distribution of the range.
// Computed once per n and kept.
double ExactC4(int n);
double ExactD2(int n);
double ExactD3(int n);
