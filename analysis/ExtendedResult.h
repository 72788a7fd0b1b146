#pragma once
// The extended capability analysis: what it reads and the record it fills.
// The window, the clipboard, the dump and the batch JSON all read the record.
#include <optional>
#include <string>
#include <vector>

enum class TWithinSigmaMethod { Pooled, RBar, SBar, MovingRange };
// The distribution the non-normal capability follows; Best takes the fit with the largest AD p.
enum class TDistributionChoice { Normal, BoxCox, Lognormal, Weibull, Nonparametric, Best };
enum class TControlChartChoice { XbarR, XbarS };
// Size: the values in reading order cut by the subgroup size; Rows: every grid row with a value.
enum class TSubgroupChoice { Size, Rows };

struct TExtendedInput {
    std::vector<double> Values;  // the grid cells in reading order
    int SubgroupSize = 5;
    std::optional<double> LSL, USL, Target;                  // an empty field is absent
    TWithinSigmaMethod Method = TWithinSigmaMethod::Pooled;  // subgroup size 1 uses the moving range
    double Confidence = 0.95;                                // two-sided
    std::vector<std::string> ReadingMessages;                // what could not be read, carried into the result
    TDistributionChoice Distribution = TDistributionChoice::Normal;
    TControlChartChoice Chart = TControlChartChoice::XbarR;
    TSubgroupChoice Subgroups = TSubgroupChoice::Size;
    std::vector<int> RowSizes;  // values read from each grid row that holds one, in order
    // Given by the user for a stable earlier period; absent: estimated from the data.
    std::optional<double> HistoricalMean, HistoricalSigma;
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
    std::string Name;            // "xbar", "r", "s", "i", "mr"
    std::vector<double> Points;  // NaN where a subgroup of one has no range or deviation
    int FirstPoint = 1;
    TChartLimits Limits;
    double ZoneSigma = 0;
    // Subgroups of unequal size: limits and zone width per point (NaN where there is no point).
    std::vector<TChartLimits> PointLimits;
    std::vector<double> PointZoneSigmas;
    bool Historical = false;  // centre and limits from the historical values
};

// One fitted distribution: its parameters by their JSON names (absent when
// it cannot be fitted) and its Anderson-Darling A^2 against exactly those.
struct TDistributionFit {
    std::string Name;  // "normal", "boxcox", "lognormal", "weibull"
    bool Fitted = false;
    std::vector<std::pair<std::string, double>> Parameters;
    std::optional<double> A2, P;
    // The location and scale of the normal the fit reduces to: x, ln x or y = (x^lambda - 1)/lambda.
    double Location = 0, Spread = 0;
    double Shape = 0, Scale = 0, Lambda = 0;
};

// Capability of the chosen distribution (percentile method, or the normal
// analysis on the Box-Cox scale).
struct TDistributionCapability {
    std::string Selected;
    std::vector<TDistributionFit> Fits;  // normal, boxcox, lognormal, weibull
    std::optional<double> P00135, P50, P99865;
    std::optional<double> Pp, PPL, PPU, Ppk;
    TPpm Ppm;  // expected PPM of the fit; observed for nonparametric
    std::optional<double> BoxCoxLambda;
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
    TDistributionCapability Distribution;
    TSubgroupChoice Subgroups = TSubgroupChoice::Size;
    bool EqualSizes = true;  // false: limits per subgroup
    std::optional<double> HistoricalMean, HistoricalSigma;
};

const char* WithinSigmaMethodName(TWithinSigmaMethod method);
const char* DistributionChoiceName(TDistributionChoice choice);
