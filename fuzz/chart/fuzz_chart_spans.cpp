// The four charts on records of any span and magnitude, down to subnormal
// spans and up to the largest Singles: filling them raises at most the
// system's own errors, and painting them at their sizes on the form (or at
// one size of the input's choosing) never raises, never lets an axis end
// fall below the other and never lays out more than 10,000 labels.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "ChartDisplays.h"
#include "Errors.h"

namespace {

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

class TInput {
public:
    TInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t Byte() { return size_ ? data_[at_++ % size_] : 0; }
    float Single()
    {
        uint8_t bytes[4] = {Byte(), Byte(), Byte(), Byte()};
        float value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }
    // A fraction of the span from -0.5 to about 1.5.
    float Fraction() { return (static_cast<float>(Byte()) - 64) / 128; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

// Values at fractions of [low, low + span], limits and class limits around them.
bool MakeRecord(TInput& input, TCPKValue& v)
{
    const float low = input.Single(), span = std::fabs(input.Single());
    const auto at = [&](float fraction) { return low + span * fraction; };
    const int count = 1 + input.Byte() % 30;
    v.USL = at(input.Fraction());
    v.Target = at(input.Fraction());
    v.LSL = at(input.Fraction());
    float sum = 0;
    for (int i = 0; i < count; ++i) {
        const float value = at(input.Fraction());
        v.Values.push_back(value);
        sum += value / static_cast<float>(count);
    }
    v.Count = count;
    v.Mean = sum;
    v.DataMax = v.DataMin = static_cast<float>(v.Values[0]);
    for (double value : v.Values) {
        v.DataMax = std::fmax(v.DataMax, static_cast<float>(value));
        v.DataMin = std::fmin(v.DataMin, static_cast<float>(value));
    }
    v.ChartMax = v.DataMax > v.USL ? v.DataMax : v.USL;
    v.ChartMin = v.DataMin >= v.LSL ? v.LSL : v.DataMin;
    for (std::size_t first = 0; first + 5 <= v.Values.size(); first += 5) {
        float high = static_cast<float>(v.Values[first]), least = high, mean = 0;
        for (std::size_t i = first; i < first + 5; ++i) {
            high = std::fmax(high, static_cast<float>(v.Values[i]));
            least = std::fmin(least, static_cast<float>(v.Values[i]));
            mean += static_cast<float>(v.Values[i]) / 5;
        }
        v.SubgroupMeans.push_back(mean);
        v.SubgroupRanges.push_back(high - least);
        v.RBar += (high - least) / static_cast<float>(count / 5);
    }
    v.XbarUCL = v.Mean + 0.577f * v.RBar;
    v.XbarLCL = v.Mean - 0.577f * v.RBar;
    v.RangeUCL = 2.114f * v.RBar;
    v.SigmaWithin = v.RBar / 2.326f;
    v.Plus3Sigma = v.Mean + 3 * v.SigmaWithin;
    v.Minus3Sigma = v.Mean - 3 * v.SigmaWithin;
    v.ClassWidth = std::fmax((v.DataMax - v.DataMin) / 7, 0.001f);
    for (int i = 1; i <= 12; ++i) {
        v.ClassLimits[i] = v.ChartMin - 0.005f + v.ClassWidth * static_cast<float>(i - 1);
        v.Frequencies[static_cast<std::size_t>(i - 1)] = input.Byte() % 40;
        v.MaxFrequency = std::max(v.MaxFrequency, v.Frequencies[static_cast<std::size_t>(i - 1)]);
        v.OverallCurve[static_cast<std::size_t>(i - 1)] = static_cast<float>(input.Byte()) / 64;
        v.WithinCurve[static_cast<std::size_t>(i - 1)] = static_cast<float>(input.Byte()) / 64;
        v.MaxCurve = std::fmax(v.MaxCurve, std::fmax(v.OverallCurve[static_cast<std::size_t>(i - 1)],
                                                     v.WithinCurve[static_cast<std::size_t>(i - 1)]));
    }
    // The computation stops with an error before such a record is drawn.
    const float checked[] = {v.ChartMax,   v.ChartMin,    v.XbarUCL,    v.XbarLCL,         v.RangeUCL,
                             v.Plus3Sigma, v.Minus3Sigma, v.ClassWidth, v.ClassLimits[12], v.Mean};
    for (float value : checked)
        if (!std::isfinite(value))
            return false;
    return std::isfinite(low) && std::isfinite(span);
}

// Characters 6 pixels wide and lines 13 high: what is checked is the chart's
// layout, which needs only text measures.
class TFixedMeasurer : public TTextMeasurer {
public:
    void SetFont(const TFontSpec&) override {}
    int TextWidth(std::string_view text) override { return 6 * static_cast<int>(text.size()); }
    int TextHeight(std::string_view) override { return 13; }
};

void LayOutChecked(TChart& chart, int width, int height)
{
    TFixedMeasurer measurer;
    const TChartLayout layout = chart.LayOut(measurer, width, height);
    for (const TAxisLayout& axis : layout.Axes) {
        if (axis.Division.Labels.size() > MaxLabelCount)
            Fail("more than 10,000 labels");
        if (!(axis.Scale.WorkMinimum <= axis.Scale.WorkMaximum))
            Fail("axis ends out of order");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 8)
        return 0;
    TInput input(data, size);
    TCPKValue v;
    if (!MakeRecord(input, v))
        return 0;

    TChart chart1, chart2, chart3, cht1;
    TChartDisplays displays({.Individuals = chart2, .Xbar = chart1, .Range = chart3, .Distribution = cht1});
    // Each fill as the compute command runs it: the system's errors end it.
    const auto run = [](auto fill) {
        try {
            fill();
        } catch (const Exception&) {
        }
    };
    run([&] { displays.FillIndividualsChart(v); });
    run([&] { displays.DrawDistributionChart(v); });
    run([&] { displays.FillControlCharts(v); });

    // At their sizes on the form, or all at one size of the input's choosing.
    const uint8_t sizeChoice = input.Byte();
    const bool formSizes = sizeChoice < 192;
    const int width = 1 + (sizeChoice - 192) * 12, height = 1 + (sizeChoice - 192) * 8;
    LayOutChecked(chart1, formSizes ? 772 : width, formSizes ? 190 : height);
    LayOutChecked(chart2, formSizes ? 555 : width, formSizes ? 250 : height);
    LayOutChecked(chart3, formSizes ? 772 : width, formSizes ? 190 : height);
    LayOutChecked(cht1, formSizes ? 772 : width, formSizes ? 486 : height);
    for (TChart* chart : {&chart1, &chart2, &chart3, &cht1})
        if (chart->LeftAxis().Minimum() > chart->LeftAxis().Maximum())
            Fail("left axis minimum above maximum");
    return 0;
}
