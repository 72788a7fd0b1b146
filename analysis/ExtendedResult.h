#pragma once
// The extended capability analysis: what it reads and the record it fills.
// The window, the clipboard, the dump and the batch JSON all read the record.
#include <optional>
#include <string>
#include <vector>

enum class TWithinSigmaMethod { Pooled, RBar, SBar, MovingRange };

struct TExtendedInput {
    std::vector<double> Values;  // the grid cells in reading order
    int SubgroupSize = 5;
    std::optional<double> LSL, USL, Target;                  // an empty field is absent
    TWithinSigmaMethod Method = TWithinSigmaMethod::Pooled;  // subgroup size 1 uses the moving range
    double Confidence = 0.95;                                // two-sided
    std::vector<std::string> ReadingMessages;                // what could not be read, carried into the result
};

struct TSigmaEstimate {
    double Value = 0;
    double Dof = 0;
};

struct TIntervalEstimate {
    double Value = 0, Lower = 0, Upper = 0;
};

struct TCapabilityIndices {
    std::optional<TIntervalEstimate> Cp, CPL, CPU, Cpk, Pp, PPL, PPU, Ppk, Cpm;
};

struct TPpm {
    std::optional<double> Below, Above, Total;
};

struct TChartLimits {
    double Centre = 0, Upper = 0, Lower = 0;
};

// One control chart: its points (numbered from FirstPoint), limits and the
// zone width (sigma of the plotted statistic) the run tests use.
struct TControlChart {
    std::string Name;  // "xbar", "r", "i", "mr"
    std::vector<double> Points;
    int FirstPoint = 1;
    TChartLimits Limits;
    double ZoneSigma = 0;
};

struct TRunViolation {
    std::string Chart;
    int Test = 0;
    std::vector<int> Points;  // point numbers from 1
};

struct TNormality {
    std::optional<double> A2, A2P, W, WP;
};

struct TExtendedResult {
    int Count = 0, SubgroupSize = 0, SubgroupCount = 0;
    std::optional<double> Mean;
    std::optional<TSigmaEstimate> SigmaOverall, SigmaWithin;
    TWithinSigmaMethod WithinMethod = TWithinSigmaMethod::Pooled;
    double Confidence = 0.95;
    TCapabilityIndices Indices;
    TPpm ObservedPpm, WithinPpm, OverallPpm;
    std::optional<double> ZBenchWithin, ZBenchOverall;
    TNormality Normality;
    std::vector<TControlChart> Charts;  // X-bar and R, or I and MR
    std::vector<TRunViolation> RunTests;
    std::vector<std::string> Messages;  // what could not be computed, in Chinese
};

const char* WithinSigmaMethodName(TWithinSigmaMethod method);
