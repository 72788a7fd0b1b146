#pragma once
// The eight run tests on one control chart. Trends and alternations count
// changes (K changes = K + 1 points); the point that completes a pattern is
// flagged, and every later point while the pattern persists. A point on the
// centre line breaks a same-side run, an equal neighbour breaks a trend, and
// "beyond" is strict.
#include <array>
#include <vector>

#include "ExtendedResult.h"

constexpr int RunTestCount = 8;

// K of tests 1 to 8 (index 0 is test 1).
using TRunTestK = std::array<int, RunTestCount>;
constexpr TRunTestK DefaultRunTestK{3, 9, 6, 14, 2, 4, 15, 8};

// Flagged point indices (from 0) of each test, in order.
using TRunTestFlags = std::array<std::vector<size_t>, RunTestCount>;

TRunTestFlags ApplyRunTests(const std::vector<double>& points, double centre, double sigma,
                            const TRunTestK& k = DefaultRunTestK);

// The violations of a chart, numbered as the chart numbers its points.
std::vector<TRunViolation> ChartViolations(const TControlChart& chart);
// Per point the lowest-numbered test it fails, 0 when none.
std::vector<int> LowestFailedTest(const TControlChart& chart, const std::vector<TRunViolation>& violations);
