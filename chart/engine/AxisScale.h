#pragma once
// The arithmetic of one axis, apart from any drawing: value <-> pixel
// mapping, range widening by pixel margins, the 1-2-5 label step and the
// label values. Extended precision inside, doubles stored.
#include <cstddef>
#include <optional>
#include <vector>

// The run-time scale of an axis for one paint.
struct TAxisScale {
    bool Horizontal = true;
    int StartPos = 0;
    int EndPos = 0;
    double WorkMinimum = 0;
    double WorkMaximum = 0;
    double WorkRange = 0;

    int AxisSize() const { return EndPos - StartPos; }
    int CenterPos() const { return (StartPos + EndPos) / 2; }
    bool ZeroRange() const { return WorkRange == 0; }
    // The range the mapping divides by: WorkRange, or the exact Extended
    // difference when WorkRange had to be held at the largest double.
    long double Span() const;

    // WorkRange from the two ends; a difference beyond the double range is
    // held at the largest double so that the scale stays finite.
    void SetWorkRange(double minimum, double maximum);

    // Pixel of a value: from StartPos rightwards on a horizontal axis, from
    // EndPos upwards on a vertical one; the centre when the range is zero.
    int CalcPosValue(double value) const;
    // Value at a pixel; 0 when the axis is shorter than one pixel.
    double CalcPosPoint(int pixel) const;

    // Moves the ends inwards by the margins (first = left/top, second =
    // right/bottom) and widens the work range so that the old range lands
    // exactly that many pixels inside the axis. Start and end pixels stay.
    void WidenByMargins(int firstMargin, int secondMargin);
};

// The value -> pixel mapping of a scale with its factor computed once: the
// per-point path of long lines. CalcPosValue maps through it.
class TPixelMap {
public:
    explicit TPixelMap(const TAxisScale& scale);
    int operator()(double value) const;

private:
    bool horizontal_;
    bool zeroRange_;
    int startPos_;
    int endPos_;
    int centerPos_;
    long double workMinimum_;
    long double factor_;
};

// Round half to even of a pixel offset within +-67,108,863.
int RoundPixel(long double offset);

// The next 1-2-5 number strictly above x (x positive); 1 for an infinite x.
double NextStep(double x);

struct TLabelStepInput {
    int AxisSize = 0;
    int LabelSize = 0;          // widest (horizontal) or tallest (vertical) label
    int LabelsSeparation = 10;  // percent of the label size
    double Increment = 0;       // desired step, 0 = automatic
    double WorkRange = 0;
    // Fewest points among the active series that use the axis along their X
    // values; a step of at least 1 is kept when that is within the label count.
    std::optional<std::size_t> FewestXPoints;
};

// Label count the axis has room for.
long LabelCount(const TLabelStepInput& input);
// The label step (increment) of an axis.
double LabelStep(const TLabelStepInput& input);

// Label values from the top downwards; none when the range holds 10,000 steps
// or more, and never more than 10,000.
std::vector<double> LabelValues(double workMinimum, double workMaximum, double workRange, double step,
                                bool roundFirstLabel);

// A label end rounded to a multiple of the step (integer part of end / step).
double RoundToStep(double value, double step);

constexpr std::size_t MaxLabelCount = 10000;
constexpr double MinimumStep = 1e-12;
