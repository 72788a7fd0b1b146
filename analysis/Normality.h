#pragma once
// Normality tests on a sample. Both return nullopt when the sample does not
// allow them (too few values, no spread; Shapiro-Wilk also above 5000 values).
#include <optional>
#include <vector>

struct TTestStatistic {
    double Statistic = 0;
    double P = 0;
};

constexpr size_t LargestShapiroWilkCount = 5000;

// A^2 unadjusted, p from A*^2 = A^2 (1 + 0.75/N + 2.25/N^2) (D'Agostino and Stephens 1986).
std::optional<TTestStatistic> AndersonDarling(std::vector<double> values);
// p of the normal A^2 from its adjusted A*^2 (D'Agostino and Stephens 1986, Table 4.9).
double AndersonDarlingNormalP(double adjusted);
// W and its p-value after Royston (1995), 3 <= N <= 5000.
std::optional<TTestStatistic> ShapiroWilk(std::vector<double> values);

// The normal probability plot: the sorted values against the normal scores
// Phi^-1((i - 3/8) / (N + 1/4)), i = 1..N.
struct TProbabilityPoint {
    double Value = 0, Score = 0;
};
std::vector<TProbabilityPoint> NormalProbabilityPoints(std::vector<double> values);
