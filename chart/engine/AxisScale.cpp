#include "AxisScale.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "Extended.h"
#include "NumberText.h"

namespace {

constexpr long double PixelLimit = 67108863.0L;

// Stores an Extended intermediate as a double, holding values beyond the
// double range at the largest double instead of letting them become infinite.
double StoreClamped(long double value)
{
    if (std::isnan(value))
        return 0;
    if (value > DBL_MAX)
        return DBL_MAX;
    if (value < -DBL_MAX)
        return -DBL_MAX;
    return static_cast<double>(value);
}

}  // namespace

int RoundPixel(long double offset)
{
    // Adding 1.5 * 2^63 leaves the Extended sum with an exponent of 63, so
    // its 64-bit significand is 0xC000000000000000 plus the offset rounded to
    // an integer, ties to even, as the rounding mode of the environment does.
    // The low 32 bits of the significand are that integer in two's
    // complement: no conversion instruction, so no switch of the x87 control
    // word to truncation and back on the per-point path of long lines.
    constexpr long double shifter = 0x1.8p63L;
    const long double shifted = offset + shifter;
    std::uint64_t significand = 0;
    std::memcpy(&significand, &shifted, sizeof significand);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(significand));
}

void TAxisScale::SetWorkRange(double minimum, double maximum)
{
    WorkMinimum = minimum;
    WorkMaximum = maximum;
    WorkRange = StoreClamped(static_cast<long double>(maximum) - minimum);
}

long double TAxisScale::Span() const
{
    if (WorkRange == DBL_MAX)
        return static_cast<long double>(WorkMaximum) - WorkMinimum;
    return WorkRange;
}

TPixelMap::TPixelMap(const TAxisScale& scale)
    : horizontal_(scale.Horizontal),
      zeroRange_(scale.ZeroRange()),
      startPos_(scale.StartPos),
      endPos_(scale.EndPos),
      centerPos_(scale.CenterPos()),
      workMinimum_(scale.WorkMinimum),
      factor_(zeroRange_ ? 0 : scale.AxisSize() / scale.Span())
{}

int TPixelMap::operator()(double value) const
{
    if (zeroRange_)
        return centerPos_;
    long double offset = (static_cast<long double>(value) - workMinimum_) * factor_;
    if (std::isnan(offset))
        offset = 0;
    if (offset > PixelLimit)
        offset = PixelLimit;
    else if (offset < -PixelLimit)
        offset = -PixelLimit;
    const int rounded = RoundPixel(offset);
    return horizontal_ ? startPos_ + rounded : endPos_ - rounded;
}

int TAxisScale::CalcPosValue(double value) const { return TPixelMap(*this)(value); }

double TAxisScale::CalcPosPoint(int pixel) const
{
    if (AxisSize() < 1)
        return 0;
    const long double delta = static_cast<long double>(pixel - StartPos) * Span() / AxisSize();
    return StoreClamped(Horizontal ? WorkMinimum + delta : WorkMaximum - delta);
}

void TAxisScale::WidenByMargins(int firstMargin, int secondMargin)
{
    const int oldStart = StartPos;
    const int oldEnd = EndPos;
    StartPos += firstMargin;
    EndPos -= secondMargin;
    double first = CalcPosPoint(oldStart);
    double second = CalcPosPoint(oldEnd);
    StartPos = oldStart;
    EndPos = oldEnd;
    if (first > second)
        std::swap(first, second);
    SetWorkRange(first, second);
}

double NextStep(double x)
{
    if (std::isinf(x))
        return 1;
    if (!(x > 0))  // not reached with a positive start; keeps the walk finite
        return MinimumStep;
    if (x >= 10)
        return static_cast<double>(NextStep(static_cast<double>(x * 0.1L)) * 10.0L);
    if (x < 1)
        return static_cast<double>(NextStep(static_cast<double>(x * 10.0L)) * 0.1L);
    if (x < 2)
        return 2;
    if (x < 5)
        return 5;
    return 10;
}

long LabelCount(const TLabelStepInput& input)
{
    const int w = input.LabelSize;
    if (w <= 0)
        return 1;
    long double room = w;
    if (input.LabelsSeparation > 0)
        room += RoundHalfEven(input.LabelsSeparation * 0.01L * w);
    return static_cast<long>(RoundHalfEven(input.AxisSize / room));
}

double LabelStep(const TLabelStepInput& input)
{
    const long n = LabelCount(input);
    if (n < 1)
        return MinimumStep;

    const double range = input.WorkRange;
    double step;
    if (input.Increment > 0) {
        step = input.Increment;
    } else if (range != 0) {
        step = static_cast<double>(std::fabs(range) / static_cast<long double>(n + 1));
        if (range >= 1 && input.FewestXPoints && *input.FewestXPoints <= static_cast<std::size_t>(n) && step < 1)
            step = 1;
        if (!(step > 0))  // a subnormal range divided away to nothing
            step = MinimumStep;
    } else {
        step = 1;
    }

    if (input.LabelsSeparation >= 1) {
        long double k = n + 1;
        do {
            const long double q = range / static_cast<long double>(step);
            if (std::fabs(q) < 2147483647.0L) {
                k = RoundHalfEven(q);
                if (k > n)
                    step = NextStep(step);
            } else {
                step = NextStep(step);
            }
        } while (!(k <= n || step > range || std::isinf(step)));
    }

    if (std::isinf(step))
        return range;
    return step < MinimumStep ? MinimumStep : step;
}

double RoundToStep(double value, double step)
{
    return StoreClamped(std::truncl(static_cast<long double>(value) / step) * step);
}

std::vector<double> LabelValues(double workMinimum, double workMaximum, double workRange, double step,
                                bool roundFirstLabel)
{
    std::vector<double> values;
    if (!(step > 0) || std::fabs(static_cast<long double>(workRange) / step) >= MaxLabelCount)
        return values;

    // Each next label is the Extended difference stored as a double.
    const auto below = [step](double value) { return static_cast<long double>(value) - step; };

    double t = workMaximum;
    if (GeneralNumberText(workMinimum) != GeneralNumberText(workMaximum) && roundFirstLabel)
        t = RoundToStep(workMaximum, step);
    while (t > workMaximum) {
        const double lower = static_cast<double>(below(t));
        if (!(lower < t))
            break;
        t = lower;
    }

    if (workRange == 0 || std::fabs(static_cast<long double>(workMaximum) - workMinimum) < 1e-10L ||
        GeneralNumberText(t) == GeneralNumberText(below(t))) {
        values.push_back(t);
        return values;
    }

    const double bound = workMinimum >= 0 ? static_cast<double>((workMinimum - 1e-12L) / (1 + 1e-12L)) : workMinimum;
    // The count check above bounds the labels but for the two ends and for
    // steps rounded to the spacing of doubles at t; the cap holds for those,
    // and the strict decrease guards a step below that spacing.
    while (t >= bound && values.size() < MaxLabelCount) {
        values.push_back(t);
        const double lower = static_cast<double>(below(t));
        if (!(lower < t))
            break;
        t = lower;
    }
    return values;
}
