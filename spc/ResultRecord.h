#pragma once
// The result record of the compute command. Every value the stages read,
// derive or show passes through it, at the width it is stored in: Single is
// float, Double is double, Extended is long double, Integer is int32_t.
#include <array>
#include <cstdint>
#include <vector>

#include "Extended.h"

// A fixed table whose indexes run from First to Last (the class limits count from 1).
template <typename T, int First, int Last>
struct TFixedTable {
    std::array<T, Last - First + 1> Items{};
    T& operator[](int index) { return Items[index - First]; }
    const T& operator[](int index) const { return Items[index - First]; }
};

// The measurements of one subgroup in reading order.
struct TCPKZNValue {
    std::vector<double> Data;
};

struct TCPKValue {
    Extended StdDevAll = 0;
    float SBar = 0;
    float SigmaWithin = 0;
    float Mean = 0;
    int32_t Count = 0;
    int32_t ClassCount = 0;
    int32_t SubgroupSize = 0;
    int32_t SubgroupCount = 0;
    std::vector<double> Values;
    std::vector<float> SubgroupSums;
    std::vector<int32_t> SubgroupSizes;
    std::vector<TCPKZNValue> Subgroups;
    std::vector<float> SubgroupRanges;
    float RangeSum = 0;
    float RBar = 0;
    std::vector<float> SubgroupMeans;
    float XbarUCL = 0;
    float XbarLCL = 0;
    float RangeUCL = 0;
    float RangeLCL = 0;
    float SigmaR = 0;
    float CPxr = 0;
    float K = 0;
    float CPKxr = 0;
    float SubgroupStdDevSum = 0;
    std::vector<Extended> SubgroupStdDevs;
    float ChartMax = 0;
    float ChartMin = 0;
    float ClassWidth = 0;
    TFixedTable<float, 1, 12> ClassLimits;
    std::array<int32_t, 12> Frequencies{};
    int32_t MaxFrequency = 0;
    std::array<float, 12> OverallCurve{};
    std::array<float, 12> WithinCurve{};
    float MaxCurve = 0;
    float Plus3Sigma = 0;
    float Minus3Sigma = 0;
    float Sum = 0;
    float DataMax = 0;
    float DataMin = 0;
    float USL = 0;
    float Target = 0;
    float LSL = 0;
    float Centre = 0;
    float Tolerance = 0;
    // Overall results first, overwritten by the within-subgroup results.
    float CP = 0;
    float CPL = 0;
    float CPU = 0;
    float CPK = 0;
    float CA = 0;
    int32_t AboveUSLCount = 0;
    int32_t BelowLSLCount = 0;
    float PPMBelowLSL = 0;
    float PPMAboveUSL = 0;
    float PPMTotal = 0;
};

class TarryCpk {
public:
    TCPKValue Value;
    // Set once the histogram and curves are complete; the distribution chart
    // is drawn only from such a record.
    bool HistogramComplete = false;
};

// The record of the latest computation; null before the first one.
TarryCpk* CurrentCpk();
// Replaces the current record with a fresh, all-zero one and returns it.
TarryCpk& StartNewCurrentCpk();
